#include "driver/output_names.h"

#include <gtest/gtest.h>

namespace driver {
namespace {

TEST(OutputNames, LastDotDecides) {
  struct Case {
    const char* argument;
    const char* base;
    const char* prefix;
  };
  for (const Case& c :
       {Case{"a.ay", "a", "a"}, Case{"tune.", "tune", "tun"}, Case{"abc.ay", "abc", "abc"},
        Case{"abcd.ay", "abcd", "abc"}, Case{"a.b.ay", "a.b", "a.b"},
        Case{"tune.AY", "tune", "tun"}, Case{"music/tune.ay", "music/tune", "mus"},
        Case{"songs.old/tune", "songs", "son"}, Case{"../tune.ay", "../tune", "../"},
        Case{"my tune.ay", "my tune", "my "}, Case{"x..", "x.", "x."}}) {
    ASSERT_TRUE(HasUsableDot(c.argument)) << c.argument;
    EXPECT_EQ(BaseNameOf(c.argument), c.base) << c.argument;
    EXPECT_EQ(PrefixOf(BaseNameOf(c.argument)), c.prefix) << c.argument;
  }
}

TEST(OutputNames, NoUsableDot) {
  for (const char* argument : {"", "tune", ".ay", ".", "music/tune"}) {
    EXPECT_FALSE(HasUsableDot(argument)) << argument;
  }
}

}  // namespace
}  // namespace driver

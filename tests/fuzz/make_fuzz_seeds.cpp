// Writes seed inputs for the fuzzer, made by the test fixture builder: the
// sample tune and files that reach the loader's and extraction's odd corners.
//
// Usage: make_fuzz_seeds <folder>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "support/scenes.h"

namespace {

using namespace fixture;

void Save(const std::filesystem::path& folder, const std::string& name, const Bytes& bytes) {
  std::ofstream(folder / name, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: make_fuzz_seeds <folder>\n";
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  std::filesystem::create_directories(folder);

  Save(folder, "sample.ay", LayOutAy(SampleTune()).Build());

  AySpec cuts;
  cuts.chunks = {{"big", Counting(300)}, {"empty", {}}};
  cuts.songs = {SongSpec{"cuts",
                         27,
                         0,
                         27,
                         1,
                         2,
                         {BlockSpec{0xFF00, "big", 0x300}, BlockSpec{0xFFFF, "big", 0xFFFF},
                          BlockSpec{0x4000, "big", 10}, BlockSpec{0x100, "empty"}}},
                SongSpec{"none", 0, 0, 0, 0, 0, {}}};
  Save(folder, "cuts.ay", LayOutAy(cuts).Build());

  AySpec many;
  many.chunks = {{"c", Counting(4)}};
  for (int i = 0; i < 256; ++i) many.songs.push_back(SongSpec{"s", 0, 0, 0, 0, 0, {{0x8000, "c"}}});
  Save(folder, "many.ay", LayOutAy(many).Build());

  ByteLayout shared = LayOutAy(SampleTune());
  shared.PointAt("NameRef1", "author").PointAt("PointsRef1", "points0").Set("BlockDataRef1.2", -50);
  Save(folder, "bent.ay", shared.Build());

  ByteLayout past_end = LayOutAy(SampleTune());
  past_end.Set("BlockDataRef0.2", 32767);
  Save(folder, "past_end.ay", past_end.Build());
  return 0;
}

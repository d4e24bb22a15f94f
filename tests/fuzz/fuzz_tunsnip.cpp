// libFuzzer target: each input is an AY file, taken apart by the real loader,
// export and file access over an in-memory platform, fresh for every input.
// Besides the sanitizers' checks: a run that ends early does so with a real
// failure code, the input is never changed, and after a complete run every
// block of every song has a BIN file holding exactly its bytes of the input.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "ay/song_model.h"
#include "driver/run.h"
#include "export/block_extraction.h"
#include "fuzz/memory_platform.h"
#include "io/file_access.h"

namespace {

const std::string kInput = "tune.ay";

void Require(bool condition) {
  if (!condition) std::abort();
}

// The INI text cannot be searched for its block lines: the file's texts may
// hold line ends and keys of their own. The registry knows each block's name.
void RequireEveryBlockInItsFile(const std::vector<std::uint8_t>& input) {
  const fuzz::Folder& folder = fuzz::CurrentFolder();
  for (const ay::TSong& song : ay::Songs()) {
    for (std::size_t k = 0; k < song.BlockAddrs.size(); ++k) {
      const std::int32_t offset = song.BlockOffsets[k];
      const std::uint16_t length = song.BlockLengths[k];
      std::string name;
      Require(exporter::FindWrittenBlock(offset, length, name));
      const auto file = folder.find(name);
      Require(file != folder.end());
      Require(offset >= 0 && static_cast<std::size_t>(offset) + length <= input.size());
      Require(std::equal(file->second.begin(), file->second.end(), input.begin() + offset,
                         input.begin() + offset + length) &&
              file->second.size() == length);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::uint8_t> input(data, data + size);
  fuzz::UseFolder({{kInput, input}});
  const std::vector<std::string_view> arguments = {kInput};
  io::StartRun();
  try {
    driver::RunTunsnip(arguments);
    Require(io::FinishRun() == 0);
    RequireEveryBlockInItsFile(input);
  } catch (const fuzz::RunEnded& ended) {
    Require(ended.status != 0);
  }
  Require(fuzz::CurrentFolder().at(kInput) == input);
  return 0;
}

// The fixed order of a run. The INI file is created before anything of the
// run is printed, and each song's console line comes before its INI lines
// and its blocks: that order decides what a failed run leaves behind.
#include "driver/run.h"

#include <string>

#include "ay/ay_loader.h"
#include "driver/console_text.h"
#include "driver/output_names.h"
#include "export/block_extraction.h"
#include "export/ini_writer.h"
#include "io/file_access.h"

namespace driver {
namespace {

void Print(const std::string& line) { io::WriteLine(io::StandardOutput(), line); }

std::string Shown(const std::string& text) {
  return ShownOnConsole(text, io::StandardOutputIsTerminal());
}

void PrintUsage() {
  Print("    Usage:");
  Print("  tunsnip [ayfilename]");
}

}  // namespace

void RunTunsnip(std::span<const std::string_view> arguments) {
  if (arguments.size() != 1 || !HasUsableDot(arguments[0])) {
    PrintUsage();
    return;
  }
  const std::string argument(arguments[0]);
  SetOutputNames(argument);
  if (!ay::LoadAyFile(argument)) return;

  exporter::CreateIniFile(BaseName());
  Print("Author: " + Shown(ay::AuthorText()));
  Print("Misc: " + Shown(ay::MiscText()));
  exporter::WriteIniHeader(argument);
  exporter::ResetWrittenBlocks();
  const int songs = ay::AyHeader().LastSongIndex + 1;
  for (int song = 0; song < songs; ++song) {
    Print("Song #" + std::to_string(song) +
          " Title: " + Shown(ay::SongNames()[static_cast<std::size_t>(song)]));
    exporter::WriteSongHeader(song);
    exporter::WriteSongSection(song);
  }
  exporter::CloseIniFile();
  ay::CloseAyFile();
}

}  // namespace driver

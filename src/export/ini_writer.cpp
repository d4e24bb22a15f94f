// Writes the INI description. Every failure ends the run (the file access
// does that); the file then holds only whole 128-byte pieces of its text.
#include "export/ini_writer.h"

#include <cstdint>

#include "ay/song_model.h"
#include "export/block_extraction.h"
#include "io/file_access.h"

namespace exporter {
namespace {

// Open from CreateIniFile to CloseIniFile.
io::TextFile IniFile;

// The builder reads 27 in an entry address as "no routine here".
constexpr std::uint16_t kDummyAddress = 27;

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

void Line(const std::string& text) { io::WriteLine(IniFile, text); }

}  // namespace

std::string AddressText(std::uint16_t address) {
  return address == kDummyAddress ? "DUMMY" : std::to_string(address);
}

void CreateIniFile(const std::string& base_name) { io::CreateText(IniFile, base_name + ".INI"); }

void WriteIniHeader(const std::string& argument) {
  Line(";Tolvane INI file for " + argument);
  Line("Creator=" + Quoted(ay::AuthorText()));
  Line("Misc=" + Quoted(ay::MiscText()));
  Line("StartSong=" + std::to_string(ay::AyHeader().FirstSong));
  Line("AllCodeLength=AUTO");
}

void WriteSongHeader(int song) {
  Line("NewSong=This");
  Line("SongName=" + Quoted(ay::SongNames()[static_cast<std::size_t>(song)]));
}

void WriteSongSection(int song) {
  const ay::TSong& entry = ay::Songs()[static_cast<std::size_t>(song)];
  Line("Stack=" + std::to_string(entry.StackAddr));
  Line("AReg=" + std::to_string(entry.HighRegByte));
  Line("LowReg=" + std::to_string(entry.LowRegByte));
  Line("JpAddr=" + AddressText(entry.InitAddr));
  Line("IntAddr=" + AddressText(entry.InterruptAddr));
  for (int k = 1; k <= entry.BlockCount; ++k) {
    const std::string number = std::to_string(k);
    io::WriteText(IniFile, "CodeStartAddr" + number + "=");
    Line(std::to_string(entry.BlockAddrs[static_cast<std::size_t>(k - 1)]));
    // After the whole address line, before the name line: the BIN file may be
    // written here.
    const std::string bin_name = ResolveBlockFile(song, k);
    Line("CodeName" + number + "=" + bin_name);
  }
}

void CloseIniFile() { io::CloseFile(IniFile); }

}  // namespace exporter

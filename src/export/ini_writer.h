// The INI description from which the builder assembles the AY file again:
// flat key=value lines, every byte of which is fixed here.
#pragma once

#include <cstdint>
#include <string>

namespace exporter {

// Creates BaseName + ".INI", or empties an existing file of that name.
void CreateIniFile(const std::string& base_name);

// The comment line naming `argument`, the creator and misc texts, the start song.
void WriteIniHeader(const std::string& argument);

// "NewSong=This" and the song's name.
void WriteSongHeader(int song);

// Registers, entry addresses and, per block, its load address and BIN file
// name; writes each block met for the first time to its BIN file between the two.
void WriteSongSection(int song);

// Writes out what is still buffered and closes the file.
void CloseIniFile();

// The decimal value, or "DUMMY" for 27, as the entry addresses are written.
std::string AddressText(std::uint16_t address);

}  // namespace exporter

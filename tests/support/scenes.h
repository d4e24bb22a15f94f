// Shared pieces of the end-to-end scenes: the sample tune and console helpers.
#pragma once

#include <string>
#include <vector>

#include "support/ay_fixture.h"
#include "support/scratch_run.h"

namespace fixture {

// Two songs; song 1's first block is song 0's first block again, loaded at
// the same address, and each song has a second block of its own.
AySpec SampleTune();

// Three songs whose blocks repeat within a song and across songs, with more
// than 256 bytes of INI text.
AySpec RepeatedBlocksTune();

// The INI text that SampleTune() gives for the argument tune.ay.
std::string SampleTuneIni();

std::string AsText(const Bytes& bytes);

// The lines joined, each ended by carriage return and line feed.
std::string CrLf(const std::vector<std::string>& lines);

// The console text up to its failure line, and whether that line has the
// layout of a failure with `code`.
bool EndsWithFailureLine(const std::string& console, unsigned code);
std::string BeforeFailureLine(const std::string& console);

}  // namespace fixture

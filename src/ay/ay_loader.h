// Reads and checks the AY file and builds the song model.
#pragma once

#include <string_view>

#include "ay/song_model.h"

namespace ay {

// Opens `path`, checks magic and type, and reads texts, song names and songs;
// no block data. True: the model is complete and AyFile() stays open. False:
// the file is not of our kind, one console line says so, and it is closed
// again. Any failing file or console operation ends the run.
bool LoadAyFile(std::string_view path);

// Closes AyFile(). Ends the run on failure.
void CloseAyFile();

}  // namespace ay

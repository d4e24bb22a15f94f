// Writes demo.ay: two songs that share one player block and each bring a note
// table of their own. The player really plays: init sets up AY channel A, and
// the interrupt routine, called 50 times a second, moves to the next note every
// 12 frames and starts the table again at its end marker.
//
// Usage: make_demo_ay <output file>
#include <fstream>
#include <iostream>

#include "support/ay_fixture.h"

namespace {

using fixture::Bytes;

// Hand-assembled; load address 0x8000.
const Bytes kPlayer = {
    // init:
    0x3E, 0x07,        // 8000  LD   A,7          ; mixer:
    0x1E, 0x3E,        // 8002  LD   E,3Eh        ;   tone on channel A only
    0xCD, 0x41, 0x80,  // 8004  CALL ayout
    0x3E, 0x08,        // 8007  LD   A,8          ; channel A volume:
    0x1E, 0x0F,        // 8009  LD   E,0Fh        ;   loudest
    0xCD, 0x41, 0x80,  // 800B  CALL ayout
    0x21, 0x00, 0x90,  // 800E  LD   HL,notes     ; notes = 9000h, the song's own block
    0x22, 0x4B, 0x80,  // 8011  LD   (ptr),HL
    0x3E, 0x01,        // 8014  LD   A,1          ; first note on the first frame
    0x32, 0x4D, 0x80,  // 8016  LD   (count),A
    0xC9,              // 8019  RET
    // play (interrupt routine):
    0x21, 0x4D, 0x80,  // 801A  LD   HL,count
    0x35,              // 801D  DEC  (HL)
    0xC0,              // 801E  RET  NZ           ; note still sounding
    0x36, 0x0C,        // 801F  LD   (HL),12      ; frames per note
    0x2A, 0x4B, 0x80,  // 8021  LD   HL,(ptr)
    0x5E,              // 8024  LD   E,(HL)       ; tone period, low byte
    0x23,              // 8025  INC  HL
    0x56,              // 8026  LD   D,(HL)       ; high byte; FFh ends the table
    0x23,              // 8027  INC  HL
    0x7A,              // 8028  LD   A,D
    0xFE, 0xFF,        // 8029  CP   0FFh
    0x20, 0x07,        // 802B  JR   NZ,play1
    0x21, 0x00, 0x90,  // 802D  LD   HL,notes     ; from the top
    0x5E,              // 8030  LD   E,(HL)
    0x23,              // 8031  INC  HL
    0x56,              // 8032  LD   D,(HL)
    0x23,              // 8033  INC  HL
    // play1:
    0x22, 0x4B, 0x80,  // 8034  LD   (ptr),HL
    0xAF,              // 8037  XOR  A            ; register 0: period low
    0xCD, 0x41, 0x80,  // 8038  CALL ayout
    0x3E, 0x01,        // 803B  LD   A,1          ; register 1: period high
    0x5A,              // 803D  LD   E,D
    0xC3, 0x41, 0x80,  // 803E  JP   ayout
    // ayout: AY register A <- E
    0x01, 0xFD, 0xFF,  // 8041  LD   BC,0FFFDh    ; register select port
    0xED, 0x79,        // 8044  OUT  (C),A
    0x06, 0xBF,        // 8046  LD   B,0BFh       ; data port 0BFFDh
    0xED, 0x59,        // 8048  OUT  (C),E
    0xC9,              // 804A  RET
    0x00, 0x00,        // 804B  ptr:   DW 0
    0x00,              // 804D  count: DB 0
};

// Tone periods for the Spectrum 128's 1.7734 MHz AY clock, low byte first:
// C4 1A8h, D4 179h, E4 150h, F4 13Dh, G4 11Bh, A4 0FCh, C5 0D4h.
const Bytes kRising = {0xA8, 0x01, 0x50, 0x01, 0x1B, 0x01, 0xD4,
                       0x00, 0x1B, 0x01, 0x50, 0x01, 0x00, 0xFF};
const Bytes kFalling = {0xD4, 0x00, 0xFC, 0x00, 0x3D, 0x01, 0x79, 0x01, 0xA8, 0x01, 0x00, 0xFF};

constexpr std::uint16_t kPlayerAddr = 0x8000;
constexpr std::uint16_t kPlayAddr = 0x801A;
constexpr std::uint16_t kNotesAddr = 0x9000;
constexpr std::uint16_t kStackAddr = 0xFF00;

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: make_demo_ay <output file>\n";
    return 2;
  }
  fixture::AySpec tune;
  tune.author = "tunsnip example";
  tune.misc = "Two little tunes, one shared player";
  tune.songs = {
      // An init address of 0 stands for the first block's load address.
      fixture::SongSpec{"Rising",
                        kStackAddr,
                        0,
                        kPlayAddr,
                        0,
                        0,
                        {{kPlayerAddr, "player"}, {kNotesAddr, "rising"}}},
      fixture::SongSpec{"Falling",
                        kStackAddr,
                        kPlayerAddr,
                        kPlayAddr,
                        0,
                        0,
                        {{kPlayerAddr, "player"}, {kNotesAddr, "falling"}}},
  };
  tune.chunks = {{"player", kPlayer}, {"rising", kRising}, {"falling", kFalling}};
  const Bytes bytes = fixture::LayOutAy(tune).Build();
  std::ofstream out(argv[1], std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  return out.good() ? 0 : 1;
}

#include "win32/view/art/Drawings.h"

namespace quintel::win32::art {

namespace {

constexpr const char* const Logo32Rows[] = {
    "................................",
    "............BBBBBBBB............",
    ".........BBBLLbbbbLLooo.........",
    "........BbbLLbbbbbboyyoB........",
    "......BBbbbLbbbbbboyyobbBB......",
    ".....BbbbbLLbbbbbboyyobbbbB.....",
    "....BbbbbbLbbbbbboyyoLbbbbbB....",
    "....BbbbbbLbbbbboyyyoLbbbbbB....",
    "...BbbbbbbbbbbboyyyobbbbbbbbB...",
    "..BbbbbbbLbbbbboyyobbbLbbbbbbB..",
    "..BLLLLLLLLLLLoyyyoLLLLLLLLLLB..",
    "..BLLLLLLLLLLoyyyoLLLLLLLLLLLB..",
    ".BbbbbbbbLbboyyyyobbbbLbbbbbbbB.",
    ".BbbbbbbbLbboyyyyyoooooobbbbbbB.",
    ".BbbbbbbbbboyyyyyyyyyyobbbbbbbB.",
    ".BbbbbbbbboyyyyyyyyyyyobbbbbbbB.",
    ".BbbbbbbbooooooyyyyyyobbbbbbbbB.",
    ".BbbbbbbbbbbbbboyyyyobbbbbbbbbB.",
    ".BbbbbbbbLbbbbboyyyobbLbbbbbbbB.",
    ".BbbbbbbbLbbbbboyyobbbLbbbbbbbB.",
    "..BLLLLLLLLLLLoyyyoLLLLLLLLLLB..",
    "..BLLLLLLLLLLLoyyoLLLLLLLLLLLB..",
    "..BbbbbbbLbbbboyobbbbbLbbbbbbB..",
    "...BbbbbbbbbboyobbbbbbbbbbbbB...",
    "....BbbbbbLbboobbbbbbLbbbbbB....",
    "....BbbbbbLbboobbbbbbLbbbbbB....",
    ".....BbbbbLLoobbbbbbLLbbbbB.....",
    "......BBbbbLobbbbbbbLbbbBB......",
    "........BbbLLbbbbbbLLbbB........",
    ".........BBBLLbbbbLLBBB.........",
    "............BBBBBBBB............",
    "................................",
};

constexpr const char* const Logo16Rows[] = {
    "................",
    ".....BBBBByo....",
    "...BBbbbbyoBB...",
    "..BbLbbbyobbLB..",
    ".BbbLbbyobbbLbB.",
    ".BLLLLyoLLLLLLB.",
    ".BbbLyyyyyybLbB.",
    ".BbbLoooyyobLbB.",
    ".BbbLbbyyobbLbB.",
    ".BbbLbyyobbbLbB.",
    ".BLLLyyoLLLLLLB.",
    ".BbbbyobbbbbLbB.",
    "..BbLyobbbbbLB..",
    "...BByobbbbBB...",
    ".....BBBBBB.....",
    "................",
};

constexpr const char* const TickBadgeRows[] = {
    "GGGGGGG",
    "GllllwG",
    "GlllwlG",
    "GwlwllG",
    "GlwlllG",
    "GlllllG",
    "GGGGGGG",
};

constexpr const char* const CrossBadgeRows[] = {
    "RRRRRRR",
    "RwrrrwR",
    "RrwrwrR",
    "RrrwrrR",
    "RrwrwrR",
    "RwrrrwR",
    "RRRRRRR",
};

}  // namespace

const Art Logo16 = MakeArt(Logo16Rows);
const Art Logo32 = MakeArt(Logo32Rows);
const Art TickBadge = MakeArt(TickBadgeRows);
const Art CrossBadge = MakeArt(CrossBadgeRows);

}  // namespace quintel::win32::art

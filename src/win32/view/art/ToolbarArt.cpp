#include "win32/view/art/Drawings.h"

namespace quintel::win32::art {

namespace {

// Two computers on one cable.
constexpr const char* const NetworkRows[] = {
    "kkkkkkkk........",
    "kLLLLLLk........",
    "kLbbbbLk........",
    "kLbbbbLk........",
    "kLLLLLLk........",
    "kkkkkkkk........",
    "...kk...........",
    ".kkkkkk.kkkkkkkk",
    "...YY...kLLLLLLk",
    "...YY...kLbbbbLk",
    "...YY...kLbbbbLk",
    "...YY...kLLLLLLk",
    "...YY...kkkkkkkk",
    "...YY......kk...",
    "...YYYYYYkkkkkk.",
    "................",
};

// An external modem with its lights lit and the telephone cord.
constexpr const char* const ModemRows[] = {
    "................",
    "................",
    "........kk......",
    "........kk......",
    ".........d......",
    "........d.......",
    "....kkkkkkkkkkkk",
    "...kwhhhhhhhhhgk",
    "..kwhhhhhhhhhgkk",
    ".kkkkkkkkkkkkkdk",
    ".kgggggggggggkdk",
    ".kglgyglggddgkdk",
    ".kgggggggggggkk.",
    ".kkkkkkkkkkkkk..",
    "................",
    "................",
};

// A desktop computer.
constexpr const char* const ComputerRows[] = {
    "..kkkkkkkkkkk...",
    "..kgggggggggk...",
    "..kgbbbbbbbgk...",
    "..kgbLLbbbbgk...",
    "..kgbLbbbbbgk...",
    "..kgbbbbbbbgk...",
    "..kgggggggggk...",
    "..kkkkkkkkkkk...",
    "......kk........",
    "....kkkkkk......",
    ".kkkkkkkkkkkkk..",
    ".kgggggggggggk..",
    ".kgkkkkggggldk..",
    ".kgggggggggggk..",
    ".kkkkkkkkkkkkk..",
    "................",
};

// A floppy disk: where the backup of the settings goes.
constexpr const char* const FloppyRows[] = {
    "................",
    ".kkkkkkkkkkkkk..",
    ".kbbggggKggbbbk.",
    ".kbbggggKggbbbk.",
    ".kbbggggKggbbbk.",
    ".kbbgggggggbbbk.",
    ".kbbbbbbbbbbbbk.",
    ".kbwwwwwwwwwwbk.",
    ".kbwddddddddwbk.",
    ".kbwwwwwwwwwwbk.",
    ".kbwddddddddwbk.",
    ".kbwwwwwwwwwwbk.",
    ".kbwwwwwwwwwwbk.",
    ".kbwwwwwwwwwwbk.",
    ".kkkkkkkkkkkkkk.",
    "................",
};

// A signal going out and its echo.
constexpr const char* const EchoRows[] = {
    ".........ll.....",
    "..........ll....",
    "......ll...l....",
    ".......ll..ll...",
    "........ll..l...",
    "....ll..ll..l...",
    "GGG..ll..l..ll..",
    "GGGG.ll..l..ll..",
    "GGGG.ll..l..ll..",
    "GGG..ll..l..ll..",
    "....ll..ll..l...",
    "........ll..l...",
    ".......ll..ll...",
    "......ll...l....",
    "..........ll....",
    ".........ll.....",
};

// The Internet: a globe.
constexpr const char* const GlobeRows[] = {
    "................",
    ".....BBBBBB.....",
    "...BBbbbbbbBB...",
    "..BblllGbbbbbB..",
    "..BlwlllGbbbbB..",
    ".BbllllGbbbbbbB.",
    ".BblllGbbbblGbB.",
    ".BbGllGbbbllGbB.",
    ".BbbGlGbbblllGB.",
    ".BbbbGGbbblllGB.",
    ".BbbbbbbbbllGbB.",
    "..BbbbbbbbGlGB..",
    "..BbbbbbbbbGbB..",
    "...BBbbbbbbBB...",
    ".....BBBBBB.....",
    "................",
};

// Help.
constexpr const char* const QuestionRows[] = {
    "................",
    ".....BBBBBB.....",
    "...BBbbbbbbBB...",
    "..BbbbwwwwbbbB..",
    "..BbbwwbbwwbbB..",
    ".BbbbbbbbwwbbbB.",
    ".BbbbbbbwwbbbbB.",
    ".BbbbbbwwbbbbbB.",
    ".BbbbbbwwbbbbbB.",
    ".BbbbbbbbbbbbbB.",
    ".BbbbbbwwbbbbbB.",
    "..BbbbbwwbbbbB..",
    "..BbbbbbbbbbbB..",
    "...BBbbbbbbBB...",
    ".....BBBBBB.....",
    "................",
};

// Undo: put the Windows defaults back.
constexpr const char* const UndoRows[] = {
    "................",
    "....B...........",
    "...BbB..........",
    "..BbbBBBBBBB....",
    ".BbbbbbbbbbbBB..",
    ".BbbbbbbbbbbbbB.",
    "..BbbBBBBBBBbbbB",
    "...BbB.....BBbbB",
    "....B.......BbbB",
    "............BbbB",
    "...........BbbB.",
    "..BBBBBBBBBbbbB.",
    "..BbbbbbbbbbbB..",
    "..BBBBBBBBBBB...",
    "................",
    "................",
};

// Apply.
constexpr const char* const TickRows[] = {
    "................",
    "................",
    "............GGG.",
    "...........GllG.",
    "..........GlllG.",
    "..........GllG..",
    ".........GllG...",
    "..GG....GllG....",
    ".GllG..GllG.....",
    ".GlllGGllG......",
    "..GllllllG......",
    "...GllllG.......",
    "....GllG........",
    ".....GG.........",
    "................",
    "................",
};

// Exit: out through the door.
constexpr const char* const DoorRows[] = {
    "................",
    ".kkkkkkkk.......",
    ".kNnnnnnk.......",
    ".kNnnnnnk.G.....",
    ".kNnnnnnk.GG....",
    ".kNnnnnnk.GlG...",
    ".kNnGGGGGGlllG..",
    ".kNnGlllllllllG.",
    ".kNnGlllllllllG.",
    ".kNnGGGGGGlllG..",
    ".kNnnnnnk.GlG...",
    ".kNnnnnyk.GG....",
    ".kNnnnnnk.G.....",
    ".kNnnnnnk.......",
    ".kkkkkkkk.......",
    "................",
};

}  // namespace

const Art Network = MakeArt(NetworkRows);
const Art Modem = MakeArt(ModemRows);
const Art Computer = MakeArt(ComputerRows);
const Art Floppy = MakeArt(FloppyRows);
const Art Echo = MakeArt(EchoRows);
const Art Globe = MakeArt(GlobeRows);
const Art Question = MakeArt(QuestionRows);
const Art Undo = MakeArt(UndoRows);
const Art Tick = MakeArt(TickRows);
const Art Door = MakeArt(DoorRows);

}  // namespace quintel::win32::art

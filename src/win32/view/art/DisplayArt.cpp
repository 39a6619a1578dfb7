#include "win32/view/art/Drawings.h"

namespace quintel::win32::art {

namespace {

// Fast on the dial: what the automatic modes are about.
constexpr const char* const SpeedometerRows[] = {
    "................................................",
    "................................................",
    "................................................",
    "................................................",
    "................................................",
    "................................................",
    ".................KKKKKKKKKKKKKK.................",
    "...............KKKKddddddddddKKKK...............",
    ".............KKKddddddddddddddddKKK.............",
    "...........KKKddddwwwwwkkwwwwwddddKKK...........",
    "..........KKdddwwwwllllkkyyyywwwwdddKK..........",
    ".........KKdddkwwllllllkkyyyyyywwkdddKK.........",
    "........KKddwwkklllllllkkyyyyyyykkwwddKK........",
    ".......KKddwwllklllllwwkkwwyyyyykyywwddKK.......",
    "......KKddwwlllkklwwwwwkkwwwwwykkyyywwddKK......",
    ".....KKddwwlllllkkwwwwwwwwwwwwkkyyyyywwddKK.....",
    ".....KddwwlllllwwkwwwwwwwwwwwwkwwyyyyywwddK.....",
    "....KKddwllllwwwwwwwwwwwwwwwwwwwwwwyyrrwddKK....",
    "....KddkkllllwwwwwwwwwwwwwwwwwwwwwwrrrrkkddK....",
    "...KKdwwkkklwwwwwwwwwwwwwwwwwwwwwwrrrrkkwwdKK...",
    "...KddwwllkkwwwwwwwwwwwwwwwwwwwwwrrrrkrrwwddK...",
    "..KKddwllllkkwwwwwwwwwwwwwwwwwwrrrrkkrrrrwddKK..",
    "..KKdwwlllwwwwwwwwwwwwwwwwwwwwrrrrwwwwrrrwwdKK..",
    "..KddwllllwwwwwwwwwwwwwwwwwwwrrrwwwwwwrrrrwddK..",
    "..KddwllllwwwwwwwwwwwwwwwwwrrrrwwwwwwwrrrrwddK..",
    "..KddwlllwwwwwwwwwwwwwKKKKrrrwwwwwwwwwwrrrwddK..",
    "..KddwlllwwwwwwwwwwwwKddKKKrwwwwwwwwwwwrrrwddK..",
    "..KddkkkkkkwwwwwwwwwwKddKKKwwwwwwwwwwkkkkkkddK..",
    "..KddkkkkkkwwwwwwwwwwKKKKKKwwwwwwwwwwkkkkkkddK..",
    "..KddwlllwwwwwwwwwwwwKKKKKKwwwwwwwwwwwwrrrwddK..",
    "..KddwlllwwwwwwwwwwwwwKKKKwwwwwwwwwwwwwrrrwddK..",
    "..KddwllllwwwwwwwwwwwwwwwwwwwwwwwwwwwwrrrrwddK..",
    "..KddwllllwwwwwwwwwwwwwwwwwwwwwwwwwwwwrrrrwddK..",
    "..KKdwwlllwwwwwwwwwwwwwwwwwwwwwwwwwwwwrrrwwdKK..",
    "..KKddwllllkkwwwwwwwwwwwwwwwwwwwwwwkkrrrrwddKK..",
    "...KddwwllkkwwwwwwwwwwwwwwwwwwwwwwwwkkrrwwddK...",
    "...KKdwwkkkwwwwwwwwwwwwwwwwwwwwwwwwwwkkkwwdKK...",
    "....KddkkwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwkkddK....",
    "....KKdKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKdKK....",
    ".....KdKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKdK.....",
    ".....KKdKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKdKK.....",
    "........KKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKK........",
    "................................................",
    "................................................",
    "................................................",
    "................................................",
    "................................................",
    "................................................",
};

}  // namespace

const Art Speedometer = MakeArt(SpeedometerRows);

}  // namespace quintel::win32::art

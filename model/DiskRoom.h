#pragma once
// The room on the disk as the program's file writes see it. A write puts down what room
// there is and fails with ENOSPC for the rest, as on a full disk. Tests install their own
// room to run out of space, and to free it again, without filling a real disk; without one
// the room is unlimited and the disk itself has the last word.

#include <cstddef>
#include <functional>

using TDiskRoom = std::function<std::size_t(std::size_t wanted)>;

// How many of the wanted bytes may be written now.
std::size_t DiskRoomFor(std::size_t wanted);

// Installs room and returns the one it replaces; an empty one restores the unlimited room.
TDiskRoom SetDiskRoom(TDiskRoom room);

#include "model/DiskRoom.h"

#include <utility>

namespace {

TDiskRoom &Room()
{
    static TDiskRoom room;
    return room;
}

} // namespace

std::size_t DiskRoomFor(std::size_t wanted)
{
    const TDiskRoom &room = Room();
    return room ? room(wanted) : wanted;
}

TDiskRoom SetDiskRoom(TDiskRoom room)
{
    return std::exchange(Room(), std::move(room));
}

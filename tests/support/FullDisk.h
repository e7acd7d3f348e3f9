#pragma once
// For its lifetime the program's file writes meet a full disk: room more bytes go through,
// then every write fails with ENOSPC.

#include "model/DiskRoom.h"

#include <algorithm>
#include <cstddef>

class TFullDisk {
public:
    explicit TFullDisk(std::size_t room = 0)
        : Previous(SetDiskRoom([this](std::size_t wanted) {
              const std::size_t granted = std::min(wanted, Room);
              Room -= granted;
              return granted;
          })),
          Room(room)
    {
    }
    ~TFullDisk() { SetDiskRoom(Previous); }
    TFullDisk(const TFullDisk &) = delete;
    TFullDisk &operator=(const TFullDisk &) = delete;

private:
    TDiskRoom Previous;
    std::size_t Room;
};

// Device events waiting to be handed to the program, with mouse motion
// merged: a fast mouse sends many motion events per frame, and the programs'
// device buffer holds only 16. SDL-free so the merging can be tested alone.
#pragma once
#include <cstdint>
#include <deque>

#include "platform/platform.h"

namespace platform {

constexpr uint32_t kOffsetX = 0, kOffsetY = 4, kOffsetWheel = 8;
constexpr uint32_t kOffsetLeft = 12, kOffsetRight = 13, kOffsetMiddle = 14, kOffsetButton4 = 15;
constexpr int32_t kPressed = 0x80;

// True for an X or Y movement event.
bool isMotion(const Event& event);

class EventQueue {
public:
    // Adds movement. Consecutive movement (nothing else queued after it) is
    // merged into at most one X and one Y event; a zero axis adds no event.
    void pushMotion(int32_t dx, int32_t dy);
    // Adds any other event; it ends the current run of movement.
    void push(const Event& event);
    // Takes the oldest event; false when the queue is empty.
    bool pop(Event& event);
    bool empty() const { return events_.empty(); }
    // True when all that is queued is one run of movement that more movement
    // could still be merged into.
    bool onlyMotion() const;
    void clear() { events_.clear(); }

private:
    void addToRun(uint32_t offset, int32_t delta);
    std::deque<Event> events_;
};

} // namespace platform

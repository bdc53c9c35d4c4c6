// The device event queue with its merging of mouse motion (see event_queue.h).
#include "platform/event_queue.h"

#include <algorithm>

namespace platform {

bool isMotion(const Event& event) {
    return event.kind == Event::Mouse && (event.offset == kOffsetX || event.offset == kOffsetY);
}

void EventQueue::addToRun(uint32_t offset, int32_t delta) {
    // The run is the queue's tail of movement events.
    for (auto it = events_.rbegin(); it != events_.rend() && isMotion(*it); ++it) {
        if (it->offset == offset) {
            // Counts wrap around like the programs' own 32-bit sums.
            it->data = static_cast<int32_t>(static_cast<uint32_t>(it->data) + static_cast<uint32_t>(delta));
            return;
        }
    }
    Event event;
    event.kind = Event::Mouse;
    event.offset = offset;
    event.data = delta;
    events_.push_back(event);
}

void EventQueue::pushMotion(int32_t dx, int32_t dy) {
    if (dx != 0) addToRun(kOffsetX, dx);
    if (dy != 0) addToRun(kOffsetY, dy);
}

void EventQueue::push(const Event& event) { events_.push_back(event); }

bool EventQueue::pop(Event& event) {
    if (events_.empty()) return false;
    event = events_.front();
    events_.pop_front();
    return true;
}

bool EventQueue::onlyMotion() const {
    return !events_.empty() && std::all_of(events_.begin(), events_.end(), isMotion);
}

} // namespace platform

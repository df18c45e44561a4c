// Links a test hands to whatever opens ports in the desktop program, in
// place of the real serial port.
#pragma once

#include <memory>
#include <mutex>

#include "link/link_factory.h"

namespace radio::test {

// A factory whose every exchange talks to `link` (a SerialLink that is also
// its own Clock), which the test keeps alive for as long as it is used.
template <class Link>
LinkFactory LinkTo(Link& link) {
  return [&link] {
    return LinkAndClock{std::shared_ptr<SerialLink>(std::shared_ptr<void>(), &link),
                        std::shared_ptr<Clock>(std::shared_ptr<void>(), &link)};
  };
}

// The factory of a program a test starts before it knows its radio: the
// real serial port until the test switches the program to a link of its own.
class LinkSwitch {
 public:
  LinkFactory Factory() const {
    return [slot = slot_] {
      std::lock_guard lock(slot->mutex);
      return slot->links ? slot->links() : SerialPortFactory()();
    };
  }
  template <class Link>
  void Use(std::shared_ptr<Link> link) {
    std::lock_guard lock(slot_->mutex);
    slot_->links = [link] { return LinkAndClock{link, link}; };
  }

 private:
  struct Slot {
    std::mutex mutex;
    LinkFactory links;
  };
  std::shared_ptr<Slot> slot_ = std::make_shared<Slot>();
};

}  // namespace radio::test

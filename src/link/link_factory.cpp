#include "link/link_factory.h"

#include <mutex>

#include "link/qt_serial_link.h"

namespace radio {
namespace {

std::mutex& FactoryMutex() {
  static std::mutex mutex;
  return mutex;
}

LinkFactory& Factory() {
  static LinkFactory factory;
  return factory;
}

}  // namespace

LinkAndClock MakeLinkAndClock() {
  LinkFactory factory;
  {
    std::lock_guard lock(FactoryMutex());
    factory = Factory();
  }
  if (factory) return factory();
  return {std::make_shared<QtSerialLink>(), std::make_shared<SystemClock>()};
}

void SetLinkFactory(LinkFactory factory) {
  std::lock_guard lock(FactoryMutex());
  Factory() = std::move(factory);
}

}  // namespace radio

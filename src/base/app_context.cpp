#include "base/app_context.h"

namespace radio {

AppContext& App() {
  static AppContext context;
  return context;
}

}  // namespace radio

#include "support/ManualClock.h"

namespace rennlupe::support {

ManualClock::ManualClock(double secondsSinceMidnight) : m_seconds(secondsSinceMidnight) {}

}  // namespace rennlupe::support

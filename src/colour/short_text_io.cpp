// Kept apart from the notations: a program that never prints a ShortText to a stream
// then links none of the stream and locale code (several hundred kilobytes when static).
#include <ostream>

#include "colour.h"

namespace velkaro {

std::ostream& operator<<(std::ostream& os, const ShortText& t) { return os << t.view(); }

}  // namespace velkaro

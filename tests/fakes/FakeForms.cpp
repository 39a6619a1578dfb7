#include "fakes/FakeForms.h"

#include <algorithm>

namespace quintel::test {

int FakeFormHost::Count(const std::string& event) const {
    return static_cast<int>(std::count(events.begin(), events.end(), event));
}

}  // namespace quintel::test

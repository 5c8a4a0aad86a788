#pragma once
// Waiting in a window test for the event loop or the window manager: on a condition, never
// for a fixed time. The ceiling is generous, since a loaded machine running the sanitizers
// may take seconds over one step; only a failing test waits that long.

#include <QTest>

namespace testsupport {

constexpr int WaitCeilingMs = 30000;

// Lets the event loop run (deferred deletes too) until the condition holds; false when it
// does not hold within the ceiling. A condition that holds already runs nothing.
template <typename Condition>
[[nodiscard]] bool WaitFor(Condition condition)
{
    return QTest::qWaitFor(condition, WaitCeilingMs);
}

} // namespace testsupport

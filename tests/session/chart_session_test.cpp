#include "session/chart_session.h"

#include <gtest/gtest.h>

#include <vector>

namespace hygrovia {
namespace {

TEST(ChartSessionTest, ObserversHearEachChangeInOrderUntilForgotten) {
  ChartSession session;
  std::vector<char> heard;
  const ChartSession::ObserverId first = session.Observe([&] { heard.push_back('a'); });
  ChartSession::ObserverId second = 0;
  // An observer that forgets itself while being told is told this once and never again.
  second = session.Observe([&] {
    heard.push_back('b');
    session.Forget(second);
  });
  session.Changed();
  session.Changed();
  session.Forget(first);
  session.Changed();
  EXPECT_EQ(heard, (std::vector<char>{'a', 'b', 'a'}));
}

TEST(ChartSessionTest, SettingsWorkOnTheSessionsOwnSurfaceAndStates) {
  ChartSession session;
  session.Settings().SetChartStyle(ChartStyleName::Clear);
  EXPECT_EQ(session.Settings().Style().Name(), ChartStyleName::Clear);
  EXPECT_EQ(&session.Settings().Surface(), &session.Surface());
  EXPECT_TRUE(session.Settings().SetPressure(90.0f));
  EXPECT_EQ(session.ArrowState().Pressure, session.CursorState().Pressure);
}

}  // namespace
}  // namespace hygrovia

#include "export/LocalToday.h"

#include <gtest/gtest.h>

using namespace paluksen;

namespace {

// The kept date is the one the clock gives, on the first call and on later ones.
TEST(LocalToday, AnswersAsTheClockDoes)
{
    LocalToday today;
    for (int i = 0; i < 1000; ++i) {
        const QDate before = QDate::currentDate();
        const QDate answer = today();
        const QDate after = QDate::currentDate();
        ASSERT_TRUE(answer == before || answer == after) << answer.toString(Qt::ISODate).toStdString();
    }
}

} // namespace

// SPDX-License-Identifier: MIT
#pragma once
// Waiting in a test without slowing down what it waits for.
//
// QTest::qWait and QTest::qWaitFor, and with them the QTRY_ macros, run the
// event loop in passes with a 10 ms sleep between them. The web engine does
// its work in many small steps on this thread, so under them a page that
// loads in 70 ms takes seconds, and a script sent to a page that is loading
// answers late. EventWait::Until runs the event loop without sleeping and
// checks its condition every few milliseconds; the QF_TRY_ macros are the
// QTRY_ ones built on it (the condition is checked once more, with its
// message, only when the wait ran out). Tests that drive the web engine wait
// with these.

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTest>
#include <QTimer>

namespace EventWait {

// Runs the event loop until `done()` holds or `timeoutMs` has passed; true
// when it holds. A failed check inside `done` ends the wait too.
template <typename Predicate>
bool Until(Predicate done, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        if (done())
            return true;
        if (QTest::currentTestFailed() || deadline.hasExpired())
            return false;
        // A few milliseconds of the event loop, then back here: `done` may
        // run an event loop of its own, and objects deleted later (which a
        // deeper loop leaves alone) go now, as under QTest::qWait.
        QEventLoop slice;
        QTimer::singleShot(5, &slice, &QEventLoop::quit);
        slice.exec();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

}  // namespace EventWait

#define QF_TRY_VERIFY_WITH_TIMEOUT(expr, timeout)                                                                      \
    do {                                                                                                               \
        if (EventWait::Until([&] { return bool(expr); }, timeout))                                                    \
            break;                                                                                                     \
        if (QTest::currentTestFailed())                                                                                \
            return;                                                                                                    \
        QVERIFY(expr);                                                                                                 \
    } while (false)

#define QF_TRY_VERIFY2_WITH_TIMEOUT(expr, message, timeout)                                                            \
    do {                                                                                                               \
        if (EventWait::Until([&] { return bool(expr); }, timeout))                                                    \
            break;                                                                                                     \
        if (QTest::currentTestFailed())                                                                                \
            return;                                                                                                    \
        QVERIFY2(expr, message);                                                                                       \
    } while (false)

#define QF_TRY_COMPARE_WITH_TIMEOUT(expr, expected, timeout)                                                           \
    do {                                                                                                               \
        if (EventWait::Until([&] { return bool((expr) == (expected)); }, timeout))                                    \
            break;                                                                                                     \
        if (QTest::currentTestFailed())                                                                                \
            return;                                                                                                    \
        QCOMPARE(expr, expected);                                                                                      \
    } while (false)

#define QF_TRY_VERIFY(expr) QF_TRY_VERIFY_WITH_TIMEOUT(expr, 5000)
#define QF_TRY_VERIFY2(expr, message) QF_TRY_VERIFY2_WITH_TIMEOUT(expr, message, 5000)
#define QF_TRY_COMPARE(expr, expected) QF_TRY_COMPARE_WITH_TIMEOUT(expr, expected, 5000)

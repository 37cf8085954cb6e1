#pragma once
// The main window's radio conversations go to a virtual radio in this process, over a
// fake port, with a short reply timeout.
#include "app_harness.h"
#include "link_support/link_fixtures.h"

namespace tq8615::app {

inline void ConnectInProcessRadio(frmMain& w, sim::VirtualRadio& radio)
{
    w.radio().replyTimeoutMs = 100;
    w.radio().makeTransport = [&radio](const QString&) -> std::unique_ptr<Transport> {
        auto port = std::make_unique<test::FakePort>();
        test::WireRadio(*port, radio);
        return port;
    };
}

}  // namespace tq8615::app

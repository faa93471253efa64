#pragma once

class QWidget;

namespace orvane {

// SIGTERM, SIGINT and SIGHUP become a close request of `window`, handled on the event loop like
// a click on the close box: the shutdown sequence runs and the program exits 0.
void closeOnTerminationSignals(QWidget& window);

} // namespace orvane

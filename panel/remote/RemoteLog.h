#pragma once

#include <QLoggingCategory>

// Messages of the remote-control server ("orvane.remote").
Q_DECLARE_LOGGING_CATEGORY(lcRemote)

#pragma once

#include <QLoggingCategory>

// Messages of the bands and settings subsystem ("orvane.bands").
Q_DECLARE_LOGGING_CATEGORY(lcBands)

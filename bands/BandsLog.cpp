#include "BandsLog.h"

Q_LOGGING_CATEGORY(lcBands, "orvane.bands")

#include "RemoteLog.h"

Q_LOGGING_CATEGORY(lcRemote, "orvane.remote")

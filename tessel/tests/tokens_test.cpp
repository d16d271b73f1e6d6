#include "tessel_client.h"

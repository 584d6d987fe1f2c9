#pragma once
// Every record-cache table class, for code that reaches several of them.
#include "host/recordcache/CInMemClientMapper.h"
#include "host/recordcache/CInMemExchangeIobOrder.h"
#include "host/recordcache/CInMemOrderInfo.h"
#include "host/recordcache/CInMemPendingOrders.h"
#include "host/recordcache/CInMemPendingSpreadOrders.h"
#include "host/recordcache/CInMemRMSRejection.h"
#include "host/recordcache/CInMemSpreadOrderInfo.h"
#include "host/recordcache/CInMemTradeInfo.h"
#include "host/recordcache/RecordCache.h"
#include "host/recordcache/SqlText.h"

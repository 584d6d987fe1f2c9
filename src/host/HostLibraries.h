#pragma once
// The host's own implementations of the entry points the order book binds by name, and their
// signatures.
#include <cstdint>

using RemoveItemFn = int (*)(long key);
using ItemCountFn = long (*)();
using RemovePendingAllFn = void (*)();
using SetPendingOrderFlagFn = void (*)(int flag);
using ConvertTimeFn = int (*)(long time, char* dateOut, int dateSize, int* hour, int* minute, int* second);
using ExpiryConversionFn = int (*)(long expiry, char* out, int size);
using ConvertTimeInTimeStampFn = long (*)(const char* text);
using SendCOCOrderExeFn = int (*)(void* request, double exchangeOrderNo);
// The spread sender takes the request and two of the changed order's prices (the values at
// offsets 712 and 622 of the spread packet; 0 for requests that change no price).
using SendSpreadOrderExeFn = int (*)(void* request, double price712, double price622);

namespace HostLibraries {
// Registers TradeBridge and the shared utility library with their default functions.
void RegisterDefaults();
// The value most recently handed to TradeBridge's SetPendingOrderFlag (-1 before any call).
int LastPendingOrderFlag();
void ResetPendingOrderFlag();
}  // namespace HostLibraries

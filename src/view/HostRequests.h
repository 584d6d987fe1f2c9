#pragma once
// Requests to the host's main window that go through the shared WindowPassing record.
class OrderBookGrid;

// Clears AppGlobal::objWindowPassing, fills it with the request and posts message 9898 with the
// record's address to the main window of the grid's application. Nothing is posted for a grid
// without an application (the record is still filled).
void PostWindowPassing(OrderBookGrid& grid, int requestFrom, int requestId, int p1 = 0, int p2 = 0, double d = 0.0);

#pragma once
// Types that only cross the module boundary in the host's older signatures; the views never look
// inside them.
class CBCGPGridRow;
class CCmdUI;

namespace orv::demo { int placeholder = 0; }

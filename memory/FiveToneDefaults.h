#pragma once
// Factory contents of the 5-tone signalling area (MemoryImage rows 576-607),
// after rebuilding the 5-tone tables.
void BuildFiveToneDefaults();

#pragma once
// The start-up's shared tables and factory image, shared by the main window
// and the tests.

// BuildToneNames, BuildOptionFieldOffsets, BuildBandTable, in that order.
void BuildSharedTables();

// Every cell of rows 0..1024, columns 0..15 := 255; then the FM, option, DTMF,
// 2-tone, 5-tone and alignment defaults; AdjustImage := AdjustDefaults; then
// the channel defaults.
void BuildFactoryImage();

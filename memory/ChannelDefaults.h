#pragma once
// Factory contents of the 200 memory channels: all empty except eight sample
// channels; the channel names are left alone.
void BuildChannelDefaults();

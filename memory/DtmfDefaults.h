#pragma once
// Factory contents of the DTMF signalling area (MemoryImage rows 656-687).
void BuildDtmfDefaults();

#include "signalling/FiveToneState.h"

SignalGrid SignalFileImage{};

void resetFiveToneState()
{
    SignalFileImage = SignalGrid{};
}

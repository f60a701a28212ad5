// The settings file LX7314.INI, section REVADOR.
#pragma once

// True when AUTOSTART is non-zero and one of the arguments is "/autostart":
// the run is an automatic start that the user has switched off.
bool SkipAutoStart();

// True when FORCEMULTI is non-zero: start a new copy of the main
// application even when one is running.
bool ForceMultiEnabled();

// The launch sequence: the launcher's own logic from start to end.
#pragma once

// Decides and acts once; returns on every normal end and lets any error it
// does not catch leave for the unhandled-error report.
void LaunchSequence();

#pragma once
// How the viewer records versions of a passport: under the author of the
// settings, each with the readable summary of what changed.
#include "history/Record.h"
#include "history/VersionRecorder.h"

TRecordOptions ViewerRecordOptions();

class QWidget;

// What the viewer does when a version recorded after a save fails: a warning
// over `parent` (on the windows' thread, whichever thread recorded).
TVersionRecorder::TFailureHandler ViewerRecordingFailure(QWidget* parent);

#include "report/objects/object_streamer.h"

namespace {
TrpObjectStreamer* gStreamer = nullptr;
}

TrpObjectStreamer* rpObjectStreamer() { return gStreamer; }
void rpSetObjectStreamer(TrpObjectStreamer* streamer) { gStreamer = streamer; }

// The kernels for the build's own target, four pixels a step.
#include "FrameKernelBody.h"

const FrameKernels kBaselineFrameKernels = MakeFrameKernels<PortableWidening<4>>();

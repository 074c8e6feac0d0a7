// The kernels for AVX2, eight pixels a step: doubles in 256-bit registers.
// Compiled with -mavx2 and run only where the processor has it.
#include "FrameKernelBody.h"

const FrameKernels kAvx2FrameKernels = MakeFrameKernels<PortableWidening<8>>();

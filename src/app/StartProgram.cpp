// The start of a run.
#include "StartProgram.h"

#include "frmMain.h"
#include "modHelp.h"

namespace kq {

void StartProgram(AppContext &context)
{
    Platform &platform = context.platform;
    // Seeded from the time of day: the milliseconds since midnight, so that two starts within
    // the same second still differ.
    platform.random.seed(std::uint32_t(platform.clock.now().time().msecsSinceStartOfDay()));
    modHelp::RunUpdateReminder(platform);
    auto *main = new frmMain(context);
    main->show();
    main->activateWindow();
    main->CoBrand_Randomize();
}

} // namespace kq

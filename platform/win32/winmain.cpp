// The process: the application on the Win32 platform, its seven windows, the message loop.
#include <exception>

#include "app/forms_create.h"
#include "platform/win32/win32_platform.h"
#include "platform/win32/win32_text.h"
#include "platform/win32/win32_windows.h"
#include "ui/application.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  TWin32Platform platform;
  TApplication application(platform);
  SetApplication(&application);
  // An exception that escapes start-up is shown in the standard error box; the process then
  // ends normally.
  try {
    CreateMemotrayForms(application);
    application.Run();
  } catch (const std::exception& e) {
    application.ShowException(e);
  }
  return 0;
}

// The numbered properties on a loaded form: limits, kinds of value, the
// common numbers, calls from another thread, and events by number.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "embedded.h"
#include "runtime/picture.h"
#include "runtime/properties.h"
#include "runtime_fixture.h"
#include "zip/component_host.h"

namespace {
using namespace testform;
using rt::PropertyStatus;
namespace prop = rt::prop;

class FormProperties : public testing::Test {
 protected:
  void SetUp() override { LoadTestForm(); }
};

TEST_F(FormProperties, ProgressValuesAreLimitedAndPositionStored) {
  struct Step {
    int number;
    int32_t written;
    int32_t read;
  };
  const Step steps[] = {
      {prop::kMaximum, 40000, 32767}, {prop::kMaximum, -3, 0},     {prop::kMaximum, 100, 100},
      {prop::kMinimum, -1, 0},        {prop::kPosition, 150, 150}, {prop::kPosition, -5, 0},
      {prop::kPosition, 32768, 32767}, {prop::kPosition, 37, 37},
  };
  for (const Step& step : steps) {
    EXPECT_EQ(rt::WriteProperty(kBar, step.number, step.written), PropertyStatus::ok);
    EXPECT_EQ(rt::ReadIntProperty(kBar, step.number), step.read) << step.number << " <- " << step.written;
  }
  // The control shows a stored position limited to its range.
  HWND bar = ChildOfClass(PROGRESS_CLASSA);
  ASSERT_NE(bar, nullptr);
  std::ignore = rt::WriteProperty(kBar, prop::kPosition, 150);
  EXPECT_EQ(SendMessageA(bar, PBM_GETPOS, 0, 0), 100);
  std::ignore = rt::WriteProperty(kBar, prop::kPosition, 37);
  EXPECT_EQ(SendMessageA(bar, PBM_GETPOS, 0, 0), 37);
}

TEST_F(FormProperties, CaptionsAndCommonNumbersRoundTrip) {
  EXPECT_EQ(rt::WriteProperty(kLabel, prop::kCaption, std::string("D:\\Lunetra软件\\Lunetra Product I")),
            PropertyStatus::ok);
  EXPECT_EQ(rt::ReadTextProperty(kLabel, prop::kCaption), "D:\\Lunetra软件\\Lunetra Product I");
  EXPECT_EQ(rt::WriteProperty(kCaption, prop::kCaption, std::string("新")), PropertyStatus::ok);
  EXPECT_EQ(rt::ReadTextProperty(kCaption, prop::kCaption), "新");

  const int32_t left = rt::ReadIntProperty(kWindow, prop::kLeft);
  EXPECT_EQ(rt::WriteProperty(kWindow, prop::kWidth, 250), PropertyStatus::ok);
  EXPECT_EQ(rt::WriteProperty(kWindow, prop::kHeight, 400), PropertyStatus::ok);
  EXPECT_EQ(rt::WriteProperty(kWindow, prop::kTop, 300), PropertyStatus::ok);
  EXPECT_EQ(rt::ReadIntProperty(kWindow, prop::kWidth), 250);
  EXPECT_EQ(rt::ReadIntProperty(kWindow, prop::kHeight), 400);
  EXPECT_EQ(rt::ReadIntProperty(kWindow, prop::kTop), 300);
  EXPECT_EQ(rt::ReadIntProperty(kWindow, prop::kLeft), left);

  // A control's place is in its parent's client area, inside the panel's border.
  EXPECT_EQ(rt::ReadIntProperty(kCaption, prop::kLeft), 2);
  EXPECT_EQ(rt::WriteProperty(kCaption, prop::kLeft, 9), PropertyStatus::ok);
  EXPECT_EQ(rt::ReadIntProperty(kCaption, prop::kLeft), 9);
  EXPECT_EQ(rt::ReadIntProperty(kCaption, prop::kTop), 2);

  EXPECT_EQ(rt::WriteProperty(kBar, prop::kVisible, 0), PropertyStatus::ok);
  EXPECT_EQ(rt::ReadIntProperty(kBar, prop::kVisible), 0);
  EXPECT_EQ(rt::WriteProperty(kBar, prop::kVisible, 1), PropertyStatus::ok);
  EXPECT_EQ(rt::ReadIntProperty(kBar, prop::kVisible), 1);
  EXPECT_EQ(rt::WriteProperty(kTimer, prop::kTag, std::string("tag")), PropertyStatus::ok);
  EXPECT_EQ(rt::ReadTextProperty(kTimer, prop::kTag), "tag");
}

TEST_F(FormProperties, WrongTargetsAndValuesAreRefused) {
  EXPECT_EQ(rt::WriteProperty({kWindowId, 99}, prop::kCaption, std::string("x")), PropertyStatus::noSuchControl);
  EXPECT_EQ(rt::WriteProperty({99, 1}, prop::kCaption, std::string("x")), PropertyStatus::noSuchControl);
  EXPECT_EQ(rt::WriteProperty(kLabel, prop::kCaption, 5), PropertyStatus::wrongValueKind);
  EXPECT_EQ(rt::WriteProperty(kBar, prop::kPosition, std::string("5")), PropertyStatus::wrongValueKind);
  EXPECT_EQ(rt::WriteProperty(kPanel, 40, 1), PropertyStatus::noSuchProperty);
  EXPECT_EQ(rt::ReadProperty(kTimer, prop::kWidth).status, PropertyStatus::noSuchProperty);
}

// Pumps the GUI thread's messages until the worker is done.
void PumpUntil(const std::atomic<bool>& done) {
  while (!done) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT | QS_SENDMESSAGE);
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
  }
}

TEST_F(FormProperties, CallsFromAnotherThreadTakeEffectInOrder) {
  std::atomic<bool> done{false};
  std::vector<int32_t> mismatches;
  DWORD labelThread = 0;
  std::thread worker([&] {
    for (int32_t i = 0; i <= 100; ++i) {
      std::ignore = rt::WriteProperty(kBar, prop::kPosition, i);
      std::ignore = rt::WriteProperty(kLabel, prop::kCaption, std::to_string(i));
      if (rt::ReadIntProperty(kBar, prop::kPosition) != i ||
          rt::ReadTextProperty(kLabel, prop::kCaption) != std::to_string(i)) {
        mismatches.push_back(i);
      }
    }
    labelThread = GetWindowThreadProcessId(ChildOfClass("RtLabel"), nullptr);
    done = true;
  });
  PumpUntil(done);
  worker.join();
  EXPECT_TRUE(mismatches.empty());
  EXPECT_EQ(rt::ReadIntProperty(kBar, prop::kPosition), 100);
  EXPECT_EQ(rt::ReadTextProperty(kLabel, prop::kCaption), "100");
  EXPECT_EQ(labelThread, GetCurrentThreadId());
}

TEST_F(FormProperties, MouseAndClickEventsReachTheirHandlers) {
  HWND label = ChildOfClass("RtLabel");
  HWND button = ChildOfClass("RtPictureButton");
  ASSERT_NE(label, nullptr);
  ASSERT_NE(button, nullptr);
  g_seen = {};
  SendMessageA(label, WM_LBUTTONDOWN, MK_LBUTTON | MK_CONTROL | MK_SHIFT, MAKELPARAM(3, 4));
  EXPECT_EQ(g_seen.count, 1);
  EXPECT_EQ(g_seen.control, 1);
  EXPECT_EQ(g_seen.arguments[0], 3);
  EXPECT_EQ(g_seen.arguments[1], 4);
  EXPECT_EQ(g_seen.arguments[2], 3);

  // Released over the button: clicked. Released off it: nothing.
  g_seen = {};
  SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(g_seen.count, 1);
  EXPECT_EQ(g_seen.control, 3);
  SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(-20, 5));
  EXPECT_EQ(g_seen.count, 1);
  // Pressed elsewhere, moved onto the button and released there: clicked.
  SendMessageA(button, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(6, 6));
  SendMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(6, 6));
  EXPECT_EQ(g_seen.count, 2);
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(FormProperties, ComponentHostAnswersTheComponentsRequests) {
  ASSERT_NE(g_componentHost, nullptr);
  auto* instance = reinterpret_cast<zipc::ZIP压缩*>(&g_fakeInstance);
  EXPECT_EQ(g_componentHost->FindComponent(kWindowId, kComponent.controlId), instance);
  EXPECT_EQ(g_componentHost->FindComponent(kWindowId, kLabel.controlId), nullptr);

  g_seen = {};
  zipc::EventRecord progress{kWindowId, kComponent.controlId, 1, 1, {62}, 7, 7};
  EXPECT_EQ(g_componentHost->RaiseEvent(progress), 1);
  EXPECT_EQ(g_seen.control, 7);
  EXPECT_EQ(g_seen.arguments[0], 62);
  EXPECT_EQ(progress.hasReturn, 0);
  zipc::EventRecord unbound{kWindowId, kComponent.controlId, 2, 0, {}, 0, 0};
  EXPECT_EQ(g_componentHost->RaiseEvent(unbound), 0);

  // Raised on another thread, the handler runs on that thread.
  DWORD handlerThread = 0;
  DWORD workerThread = 1;
  std::thread worker([&] {
    workerThread = GetCurrentThreadId();
    zipc::EventRecord fromWorker{kWindowId, kComponent.controlId, 1, 1, {100}, 0, 0};
    std::ignore = g_componentHost->RaiseEvent(fromWorker);
    handlerThread = g_seen.arguments[0] == 100 ? GetCurrentThreadId() : 0;
  });
  worker.join();
  EXPECT_EQ(handlerThread, workerThread);

  g_componentHost->ComponentDestroyed(kWindowId, kComponent.controlId);
  EXPECT_EQ(g_componentHost->FindComponent(kWindowId, kComponent.controlId), nullptr);
}

TEST(Pictures, RecognisedByTheirFirstBytes) {
  const rt::Picture jpeg = rt::Picture::Decode(BytesOf(ArtInstallNormal));
  EXPECT_EQ(jpeg.Width(), 220);
  EXPECT_EQ(jpeg.Height(), 80);
  const rt::Picture icon = rt::Picture::Decode(BytesOf(ArtBrandIcon));
  EXPECT_EQ(icon.Width(), 48);
  EXPECT_EQ(icon.Height(), 48);

  const unsigned char truncatedJpeg[] = {0xFF, 0xD8, 0xFF, 0xE0, 0, 0x10, 'J', 'F', 'I', 'F', 0};
  const unsigned char bitmapFile[] = {'B', 'M', 0, 0, 0, 0};
  const unsigned char brokenIcon[] = {0, 0, 1, 0, 1, 0, 48, 48, 0, 0, 1, 0, 32, 0, 0xFF, 0xFF, 0, 0, 22, 0, 0, 0};
  EXPECT_TRUE(rt::Picture::Decode(truncatedJpeg).Empty());
  EXPECT_TRUE(rt::Picture::Decode(bitmapFile).Empty());
  EXPECT_TRUE(rt::Picture::Decode(brokenIcon).Empty());
  EXPECT_TRUE(rt::Picture::Decode({}).Empty());
}

}  // namespace

// The component kind: its notification entry, its window and its end.
#include <gtest/gtest.h>

#include "fake_host.h"

namespace {

TEST(ZipComponent, NotificationEntryTakesOnlyTheHostHandOver) {
  ziptest::FakeHost host;
  for (const int request : {0, 2, 2007, -1}) EXPECT_EQ(zipc::ZIP压缩::Notify(request, &host), -1) << request;
  EXPECT_EQ(zipc::ZIP压缩::Notify(zipc::ZIP压缩::kHandOverHost, &host), 0);
  EXPECT_EQ(zipc::ZIP压缩::Notify(zipc::ZIP压缩::kHandOverHost, nullptr), 0);
}

TEST(ZipComponent, CreatesAHiddenPlainChildWindow) {
  ziptest::HostedComponent hosted;
  zipc::ZIP压缩* component = hosted.host.component;
  ASSERT_NE(component, nullptr);
  const HWND window = component->Window();
  ASSERT_TRUE(IsWindow(window));
  EXPECT_EQ(GetParent(window), hosted.parent);
  const auto style = static_cast<DWORD>(GetWindowLongPtrA(window, GWL_STYLE));
  EXPECT_EQ(style & (WS_CHILD | WS_CLIPSIBLINGS | WS_BORDER), static_cast<DWORD>(WS_CHILD | WS_CLIPSIBLINGS | WS_BORDER));
  EXPECT_EQ(style & WS_VISIBLE, 0u);
  EXPECT_EQ(GetWindowLongPtrA(window, GWL_EXSTYLE), 0);
  EXPECT_EQ(GetDlgCtrlID(window), 0);
  EXPECT_EQ(GetClassLongPtrA(window, GCL_STYLE) & CS_DBLCLKS, static_cast<ULONG_PTR>(CS_DBLCLKS));
  EXPECT_EQ(GetWindowTextLengthA(window), 0);
  RECT rect;
  ASSERT_TRUE(GetWindowRect(window, &rect));
  EXPECT_EQ(rect.right - rect.left, 30);
  EXPECT_EQ(rect.bottom - rect.top, 40);
  EXPECT_EQ(component->WindowId(), ziptest::HostedComponent::kWindowId);
  EXPECT_EQ(component->ControlId(), ziptest::HostedComponent::kControlId);
}

TEST(ZipComponent, DestroyedWindowReportsItsIdsOnce) {
  ziptest::HostedComponent hosted;
  ASSERT_NE(hosted.host.component, nullptr);
  DestroyWindow(hosted.host.component->Window());
  EXPECT_EQ(hosted.host.destroyed, (std::vector<std::pair<uint32_t, uint32_t>>{
                                       {ziptest::HostedComponent::kWindowId, ziptest::HostedComponent::kControlId}}));
  EXPECT_EQ(hosted.host.component, nullptr);
}

TEST(ZipComponent, NoWindowNoInstance) {
  ziptest::FakeHost host;
  (void)zipc::ZIP压缩::Notify(zipc::ZIP压缩::kHandOverHost, &host);
  const HWND gone = CreateWindowExA(0, "STATIC", nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  DestroyWindow(gone);
  EXPECT_EQ(zipc::ZIP压缩::Create(gone, 0, 0, 1, 1, 0, 1, 1), nullptr);
  EXPECT_TRUE(host.destroyed.empty());
  (void)zipc::ZIP压缩::Notify(zipc::ZIP压缩::kHandOverHost, nullptr);
}

}  // namespace

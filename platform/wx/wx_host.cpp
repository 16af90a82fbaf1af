#include "platform/wx/wx_host.h"

#include <wx/app.h>
#include <wx/clipbrd.h>
#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/fontenum.h>
#include <wx/image.h>
#include <wx/msgdlg.h>
#include <wx/mstream.h>
#include <wx/uilocale.h>

#include "platform/process.h"
#include "platform/wx/gtk_style.h"
#include "platform/wx/window_peer.h"
#include "platform/wx/wx_app.h"

namespace kerumina::platform::wx {

namespace {

wxString Wx(std::string_view text) {
  return wxString::FromUTF8(text.data(), text.size());
}

// The Japanese dialog font the layout is measured in; the system's GUI font at the same
// size when it is not installed.
wxFont MakeDialogFont() {
  constexpr int POINTS = 9;
  for (const char* face : {"IPAPGothic", "IPAGothic"}) {
    if (wxFontEnumerator::IsValidFacename(wxASCII_STR(face))) {
      return wxFont(wxFontInfo(POINTS).FaceName(wxASCII_STR(face)));
    }
  }
  wxFont font = *wxNORMAL_FONT;
  font.SetPointSize(POINTS);
  return font;
}

WxWindowPeer* PeerOf(const CDialog& dialog) {
  return static_cast<WxWindowPeer*>(dialog.peer());
}

class KeruminaWxApp : public wxApp {
 public:
  explicit KeruminaWxApp(const std::function<int(Host&)>& body) : body_(body) {}

  bool OnInit() override {
    // Without it narrow Japanese text turns empty and formatting may crash.
    wxUILocale::UseDefault();
    SetExitOnFrameDelete(false);
    InstallCompactControlStyle();
    return true;
  }

  int OnRun() override {
    WxHost host;
    return body_(host);
  }

 private:
  const std::function<int(Host&)>& body_;
};

}  // namespace

int RunWxApplication(int argc, char** argv, const std::function<int(Host&)>& body) {
  wxApp::SetInstance(new KeruminaWxApp(body));
  int result = wxEntry(argc, argv);
  return result < 0 ? 1 : result;
}

std::string WxWildcardOf(std::string_view filter) {
  std::string wildcard(filter);
  while (!wildcard.empty() && wildcard.back() == '|') wildcard.pop_back();
  return wildcard;
}

WxHost::WxHost() : dialogFont_(MakeDialogFont()) {}

std::unique_ptr<WindowPeer> WxHost::CreateWindowPeer(CDialog& dialog) {
  auto peer = std::make_unique<WxWindowPeer>(dialog, dialogFont_);
  // Each tool window is a top-level window of its own in the task bar, so each carries it.
  if (!icons_.IsEmpty()) peer->window()->SetIcons(icons_);
  return peer;
}

void WxHost::SetApplicationIcon(std::span<const IconImage> images) {
  if (wxImage::FindHandler(wxBITMAP_TYPE_PNG) == nullptr) wxImage::AddHandler(new wxPNGHandler);
  icons_ = wxIconBundle();
  for (const IconImage& image : images) {
    wxMemoryInputStream stream(image.data, image.size);
    wxImage decoded(stream, wxBITMAP_TYPE_PNG);
    if (!decoded.IsOk()) continue;
    wxIcon icon;
    icon.CopyFromBitmap(wxBitmap(decoded));
    icons_.AddIcon(icon);
  }
}

void WxHost::RunModalLoop(CDialog& dialog) {
  // A loop of our own instead of ShowModal, which would disable every other window.
  WxWindowPeer* peer = PeerOf(dialog);
  wxGUIEventLoop loop;
  peer->modalLoop = &loop;
  if (onModalRunStarted) {
    wxTheApp->CallAfter([this, &dialog] {
      if (dialog.IsModal() && !dialog.IsModalRunEnding()) onModalRunStarted(dialog);
    });
  }
  loop.Run();
  peer->modalLoop = nullptr;
}

void WxHost::EndModalLoop(CDialog& dialog) {
  WxWindowPeer* peer = PeerOf(dialog);
  if (peer != nullptr && peer->modalLoop != nullptr && peer->modalLoop->IsRunning()) {
    peer->modalLoop->ScheduleExit();
  }
}

DialogResult WxHost::MessageBox(std::string_view text, std::string_view caption,
                                MessageBoxButtons buttons, MessageBoxIcon icon) {
  long style = 0;
  switch (buttons) {
    case MessageBoxButtons::Ok:
      style = wxOK;
      break;
    case MessageBoxButtons::OkCancel:
      style = wxOK | wxCANCEL;
      break;
    case MessageBoxButtons::YesNo:
      style = wxYES_NO;
      break;
    case MessageBoxButtons::YesNoCancel:
      style = wxYES_NO | wxCANCEL;
      break;
  }
  switch (icon) {
    case MessageBoxIcon::None:
      style |= wxICON_NONE;
      break;
    case MessageBoxIcon::Error:
      style |= wxICON_ERROR;
      break;
    case MessageBoxIcon::Question:
      style |= wxICON_QUESTION;
      break;
    case MessageBoxIcon::Warning:
      style |= wxICON_WARNING;
      break;
    case MessageBoxIcon::Information:
      style |= wxICON_INFORMATION;
      break;
  }
  wxMessageDialog box(wxGetActiveWindow(), Wx(text), Wx(caption), style);
  switch (box.ShowModal()) {
    case wxID_YES:
      return ID_YES;
    case wxID_NO:
      return ID_NO;
    case wxID_CANCEL:
      return ID_CANCEL;
    default:
      return ID_OK;
  }
}

std::optional<std::string> WxHost::GetOpenFileName(std::string_view filter,
                                                   std::string_view defaultExtension) {
  wxFileDialog dialog(wxGetActiveWindow(), Wx("ファイルを開く"), wxEmptyString, wxEmptyString,
                      Wx(WxWildcardOf(filter)), wxFD_OPEN);
  if (dialog.ShowModal() != wxID_OK) return std::nullopt;
  wxFileName path(dialog.GetPath());
  // A name typed without extension gets the default one, unless it exists as typed.
  if (!path.HasExt() && !path.FileExists() && !defaultExtension.empty()) {
    path.SetExt(Wx(defaultExtension));
  }
  return std::string(path.GetFullPath().utf8_str());
}

void WxHost::SetClipboardText(std::string_view text) {
  if (!wxTheClipboard->Open()) return;
  wxTheClipboard->SetData(new wxTextDataObject(Wx(text)));
  // Keeps the text available after the program ends.
  wxTheClipboard->Flush();
  wxTheClipboard->Close();
}

std::string WxHost::GetClipboardText() {
  std::string text;
  if (!wxTheClipboard->Open()) return text;
  wxTextDataObject data;
  if (wxTheClipboard->GetData(data)) text = std::string(data.GetText().utf8_str());
  wxTheClipboard->Close();
  return text;
}

std::string WxHost::GetModuleFileName() {
  return ExecutablePathOfProcess();
}

wxDialog* WxHost::WindowOf(const CDialog& dialog) {
  WxWindowPeer* peer = PeerOf(dialog);
  return peer != nullptr ? peer->window() : nullptr;
}

wxWindow* WxHost::WidgetOf(const CDialog& dialog, int controlId) {
  WxWindowPeer* peer = PeerOf(dialog);
  return peer != nullptr ? peer->WidgetOf(controlId) : nullptr;
}

}  // namespace kerumina::platform::wx

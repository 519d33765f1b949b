#include "ClipboardPersist.h"

#include <QGuiApplication>
#include <QString>

#include "Clipboard.h"

#if QT_CONFIG(xcb) && __has_include(<xcb/xcb.h>)
#define RINGPAD_XCB_HANDOVER 1
#include <QAbstractEventDispatcher>
#include <QAbstractNativeEventFilter>
#include <QEventLoop>
#include <QLibrary>
#include <QTimer>
#include <cstdlib>
#include <xcb/xcb.h>
#endif

namespace platform {
namespace {

#ifdef RINGPAD_XCB_HANDOVER

// libxcb is loaded already when the program runs on X11; its functions are
// looked up at run time, so that the program does not link against it.
struct Xcb {
  decltype(&xcb_intern_atom) intern_atom = nullptr;
  decltype(&xcb_intern_atom_reply) intern_atom_reply = nullptr;
  decltype(&xcb_get_selection_owner) get_selection_owner = nullptr;
  decltype(&xcb_get_selection_owner_reply) get_selection_owner_reply = nullptr;
  decltype(&xcb_generate_id) generate_id = nullptr;
  decltype(&xcb_get_setup) get_setup = nullptr;
  decltype(&xcb_setup_roots_iterator) setup_roots_iterator = nullptr;
  decltype(&xcb_create_window) create_window = nullptr;
  decltype(&xcb_destroy_window) destroy_window = nullptr;
  decltype(&xcb_convert_selection) convert_selection = nullptr;
  decltype(&xcb_flush) flush = nullptr;

  bool load() {
    QLibrary lib(QStringLiteral("xcb"), 1);
    auto get = [&](auto& fn, const char* name) {
      fn = reinterpret_cast<std::remove_reference_t<decltype(fn)>>(lib.resolve(name));
      return fn != nullptr;
    };
    return get(intern_atom, "xcb_intern_atom") && get(intern_atom_reply, "xcb_intern_atom_reply") &&
           get(get_selection_owner, "xcb_get_selection_owner") &&
           get(get_selection_owner_reply, "xcb_get_selection_owner_reply") &&
           get(generate_id, "xcb_generate_id") && get(get_setup, "xcb_get_setup") &&
           get(setup_roots_iterator, "xcb_setup_roots_iterator") && get(create_window, "xcb_create_window") &&
           get(destroy_window, "xcb_destroy_window") && get(convert_selection, "xcb_convert_selection") &&
           get(flush, "xcb_flush");
  }

  xcb_atom_t atom(xcb_connection_t* c, const char* name) const {
    const auto cookie = intern_atom(c, 0, uint16_t(qstrlen(name)), name);
    xcb_intern_atom_reply_t* reply = intern_atom_reply(c, cookie, nullptr);
    const xcb_atom_t result = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return result;
  }

  xcb_window_t selectionOwner(xcb_connection_t* c, xcb_atom_t selection) const {
    xcb_get_selection_owner_reply_t* reply =
        get_selection_owner_reply(c, get_selection_owner(c, selection), nullptr);
    const xcb_window_t owner = reply ? reply->owner : xcb_window_t(XCB_WINDOW_NONE);
    std::free(reply);
    return owner;
  }
};

// Ends the wait when the manager answers the request made for our window.
class SaveTargetsAnswer : public QAbstractNativeEventFilter {
 public:
  SaveTargetsAnswer(xcb_window_t requestor, QEventLoop& loop) : requestor_(requestor), loop_(loop) {}
  bool answered() const { return answered_; }

  bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
    if (type != "xcb_generic_event_t") return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7f) != XCB_SELECTION_NOTIFY) return false;
    const auto* notify = reinterpret_cast<const xcb_selection_notify_event_t*>(event);
    if (notify->requestor != requestor_) return false;
    answered_ = true;
    loop_.quit();
    return true;
  }

 private:
  xcb_window_t requestor_;
  QEventLoop& loop_;
  bool answered_ = false;
};

// How long a clipboard manager may take to copy the text.
constexpr int kManagerTimeoutMs = 3000;

// The clipboard manager protocol: ask the manager to save the targets of the
// clipboard we own; it fetches them from this program (served by the event
// loop meanwhile) and answers with a selection notice.
bool handOverToManager() {
  auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  xcb_connection_t* c = x11 ? x11->connection() : nullptr;
  static Xcb xcb;
  static const bool loaded = xcb.load();
  if (!c || !loaded) return false;
  const xcb_atom_t manager = xcb.atom(c, "CLIPBOARD_MANAGER");
  const xcb_atom_t saveTargets = xcb.atom(c, "SAVE_TARGETS");
  if (manager == XCB_ATOM_NONE || saveTargets == XCB_ATOM_NONE) return false;
  if (xcb.selectionOwner(c, manager) == XCB_WINDOW_NONE) return false;

  const xcb_screen_t* screen = xcb.setup_roots_iterator(xcb.get_setup(c)).data;
  if (!screen) return false;
  const xcb_window_t requestor = xcb.generate_id(c);
  xcb.create_window(c, XCB_COPY_FROM_PARENT, requestor, screen->root, 0, 0, 1, 1, 0,
                    XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, 0, nullptr);
  QEventLoop loop;
  SaveTargetsAnswer answer(requestor, loop);
  QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
  if (dispatcher) dispatcher->installNativeEventFilter(&answer);
  xcb.convert_selection(c, requestor, manager, saveTargets, XCB_ATOM_NONE, XCB_CURRENT_TIME);
  xcb.flush(c);
  QTimer::singleShot(kManagerTimeoutMs, &loop, &QEventLoop::quit);
  if (dispatcher) loop.exec();
  if (dispatcher) dispatcher->removeNativeEventFilter(&answer);
  xcb.destroy_window(c, requestor);
  xcb.flush(c);
  return answer.answered();
}

#else

bool handOverToManager() { return false; }

#endif

}  // namespace

bool KeepClipboardTextAfterExit(std::FILE* fallback) {
  if (!ClipboardHasText()) return false;
  const QString text = ClipboardText();
  if (text.isEmpty()) return false;
  if (handOverToManager()) return true;
  if (fallback) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), fallback);
    std::fflush(fallback);
  }
  return false;
}

}  // namespace platform

#include "platform/xrandr_library.h"

#include <dlfcn.h>

namespace velmora {

namespace {
// Opaque Xlib types and the RandR 1.x size-configuration interface, as the libraries export them.
struct XDisplay;
struct XRRScreenConfiguration;
using XWindow = unsigned long;
using XTime = unsigned long;
using Rotation = unsigned short;
using SizeId = unsigned short;
struct XRRScreenSize {
  int width;
  int height;
  int mwidth;
  int mheight;
};
}  // namespace

struct XrandrLibrary::Api {
  void* x11 = nullptr;
  void* xrandr = nullptr;
  XDisplay* display = nullptr;
  XWindow root = 0;
  int depth = 0;

  XDisplay* (*openDisplay)(const char*) = nullptr;
  int (*closeDisplay)(XDisplay*) = nullptr;
  XWindow (*defaultRootWindow)(XDisplay*) = nullptr;
  int (*defaultScreen)(XDisplay*) = nullptr;
  int (*defaultDepth)(XDisplay*, int) = nullptr;
  XRRScreenConfiguration* (*getScreenInfo)(XDisplay*, XWindow) = nullptr;
  void (*freeScreenConfigInfo)(XRRScreenConfiguration*) = nullptr;
  XRRScreenSize* (*configSizes)(XRRScreenConfiguration*, int*) = nullptr;
  SizeId (*configCurrentConfiguration)(XRRScreenConfiguration*, Rotation*) = nullptr;
  int (*setScreenConfig)(XDisplay*, XRRScreenConfiguration*, XWindow, int, Rotation, XTime) = nullptr;

  ~Api() {
    if (display && closeDisplay) closeDisplay(display);
    if (xrandr) dlclose(xrandr);
    if (x11) dlclose(x11);
  }

  template <typename F>
  bool load(void* library, const char* name, F& function) {
    function = reinterpret_cast<F>(dlsym(library, name));
    return function != nullptr;
  }

  // The current configuration, freed when the holder goes.
  struct Config {
    const Api& api;
    XRRScreenConfiguration* config;
    ~Config() {
      if (config) api.freeScreenConfigInfo(config);
    }
  };
  Config config() const { return Config{*this, getScreenInfo(display, root)}; }
};

std::unique_ptr<XrandrLibrary> XrandrLibrary::open() {
  auto api = std::make_unique<Api>();
  api->x11 = dlopen("libX11.so.6", RTLD_NOW | RTLD_LOCAL);
  api->xrandr = api->x11 ? dlopen("libXrandr.so.2", RTLD_NOW | RTLD_LOCAL) : nullptr;
  if (!api->xrandr) return nullptr;
  const bool loaded = api->load(api->x11, "XOpenDisplay", api->openDisplay) &&
                      api->load(api->x11, "XCloseDisplay", api->closeDisplay) &&
                      api->load(api->x11, "XDefaultRootWindow", api->defaultRootWindow) &&
                      api->load(api->x11, "XDefaultScreen", api->defaultScreen) &&
                      api->load(api->x11, "XDefaultDepth", api->defaultDepth) &&
                      api->load(api->xrandr, "XRRGetScreenInfo", api->getScreenInfo) &&
                      api->load(api->xrandr, "XRRFreeScreenConfigInfo", api->freeScreenConfigInfo) &&
                      api->load(api->xrandr, "XRRConfigSizes", api->configSizes) &&
                      api->load(api->xrandr, "XRRConfigCurrentConfiguration", api->configCurrentConfiguration) &&
                      api->load(api->xrandr, "XRRSetScreenConfig", api->setScreenConfig);
  if (!loaded) return nullptr;
  api->display = api->openDisplay(nullptr);
  if (!api->display) return nullptr;
  api->root = api->defaultRootWindow(api->display);
  api->depth = api->defaultDepth(api->display, api->defaultScreen(api->display));
  if (!api->config().config) return nullptr;  // the server has no RandR
  std::unique_ptr<XrandrLibrary> library(new XrandrLibrary);
  library->api_ = std::move(api);
  return library;
}

XrandrLibrary::~XrandrLibrary() = default;

std::vector<ScreenMode> XrandrLibrary::sizes() const {
  std::vector<ScreenMode> modes;
  const Api::Config c = api_->config();
  if (!c.config) return modes;
  int count = 0;
  const XRRScreenSize* list = api_->configSizes(c.config, &count);
  for (int i = 0; list && i < count; ++i) modes.push_back({list[i].width, list[i].height, api_->depth});
  return modes;
}

ScreenMode XrandrLibrary::current() const {
  const Api::Config c = api_->config();
  if (!c.config) return {};
  int count = 0;
  const XRRScreenSize* list = api_->configSizes(c.config, &count);
  Rotation rotation = 0;
  const int index = api_->configCurrentConfiguration(c.config, &rotation);
  if (!list || index < 0 || index >= count) return {};
  return {list[index].width, list[index].height, api_->depth};
}

bool XrandrLibrary::setSize(int width, int height) {
  const Api::Config c = api_->config();
  if (!c.config) return false;
  int count = 0;
  const XRRScreenSize* list = api_->configSizes(c.config, &count);
  Rotation rotation = 0;
  api_->configCurrentConfiguration(c.config, &rotation);
  for (int i = 0; list && i < count; ++i) {
    if (list[i].width != width || list[i].height != height) continue;
    constexpr XTime kCurrentTime = 0;
    return api_->setScreenConfig(api_->display, c.config, api_->root, i, rotation, kCurrentTime) == 0;
  }
  return false;
}

}  // namespace velmora

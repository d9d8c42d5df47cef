#pragma once

#include "platform/SysUtils.h"

#include <functional>
#include <vector>

class TObject
{
  public:
    virtual ~TObject() = default;
    virtual const char *ClassName() const { return "TObject"; }
};

using TNotifyEvent = std::function<void(TObject *)>;

// Owns the components created with it as owner and destroys them, last created first.
class TComponent : public TObject
{
  public:
    explicit TComponent(TComponent *owner);
    ~TComponent() override;
    TComponent(const TComponent &) = delete;
    TComponent &operator=(const TComponent &) = delete;

    const char *ClassName() const override { return "TComponent"; }
    TComponent *Owner() const { return owner_; }
    const std::vector<TComponent *> &Components() const { return components_; }
    int ComponentCount() const { return static_cast<int>(components_.size()); }

    AnsiString Name;
    int Tag = 0;

  private:
    TComponent *owner_;
    std::vector<TComponent *> components_;
};

// A list of text lines. Subclasses mirror the list into a widget.
class TStrings
{
  public:
    virtual ~TStrings() = default;
    int Count() const { return static_cast<int>(items_.size()); }
    const AnsiString &operator[](int i) const { return items_.at(static_cast<size_t>(i)); }
    const std::vector<AnsiString> &Items() const { return items_; }
    void Add(const AnsiString &s);
    void Clear();
    void Assign(const std::vector<AnsiString> &lines);
    void Put(int i, const AnsiString &s);
    // All lines joined with "\n" after each.
    AnsiString Text() const;

  protected:
    virtual void changed() {}
    std::vector<AnsiString> items_;
};

// Runs an event handler the way the message loop does: an exception that escapes it is shown by the
// application's default exception display and the program goes on.
void CallHandler(const std::function<void()> &body);

template <class F, class... Args> void FireEvent(const F &handler, Args &&...args)
{
    if (handler)
        CallHandler([&] { handler(std::forward<Args>(args)...); });
}

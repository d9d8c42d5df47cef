#include "platform/Classes.h"

#include <algorithm>

TComponent::TComponent(TComponent *owner) : owner_(owner)
{
    if (owner_)
        owner_->components_.push_back(this);
}

TComponent::~TComponent()
{
    while (!components_.empty()) {
        TComponent *c = components_.back();
        c->owner_ = nullptr;
        components_.pop_back();
        delete c;
    }
    if (owner_) {
        auto &list = owner_->components_;
        list.erase(std::remove(list.begin(), list.end(), this), list.end());
    }
}

void TStrings::Add(const AnsiString &s)
{
    items_.push_back(s);
    changed();
}

void TStrings::Clear()
{
    items_.clear();
    changed();
}

void TStrings::Assign(const std::vector<AnsiString> &lines)
{
    items_ = lines;
    changed();
}

void TStrings::Put(int i, const AnsiString &s)
{
    items_.at(static_cast<size_t>(i)) = s;
    changed();
}

AnsiString TStrings::Text() const
{
    AnsiString text;
    for (const auto &s : items_) {
        text += s;
        text += '\n';
    }
    return text;
}

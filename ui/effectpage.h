#pragma once

#include "abstractmodulewidget.h"

class CatalogueEmptyState;
class EffectActionView;
class EffectGroupListView;
class EffectItemListView;
class QLabel;
class SearchLineEdit;

// The voice effects: the group bar over the effect list with its search
// field, and the panel of the effect in force on the right.
class EffectPage : public PageWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(EffectPage)

public:
    explicit EffectPage(QWidget* parent = nullptr);

    EffectGroupListView* groupBar() const { return m_groups; }
    EffectItemListView* effectList() const { return m_list; }
    SearchLineEdit* searchEdit() const { return m_search; }
    EffectActionView* actionView() const { return m_panel; }
    QLabel* emptyText() const;

private:
    void onGroupClicked(int groupId);
    void onEffectClicked(int groupId, int effectId);
    // The explicit save, the prompt before a change, the delete.
    void saveEffect();
    void promptSave();
    void deleteEffect();
    void addCustomEffect(bool refreshLater);

    EffectGroupListView* m_groups;
    SearchLineEdit* m_search;
    EffectItemListView* m_list;
    CatalogueEmptyState* m_empty;
    EffectActionView* m_panel;
};

#pragma once
// Says which characters a field refused, once per burst of refused keys: a note just under
// the field for a few seconds, and the same words for the field's accessible description,
// which screen readers speak for the field being typed into (this Qt has no announcement
// event; the owner of the field puts them there). No message box: typing goes on undisturbed.

#include "core/base/LangText.h"

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>

class QLabel;
class QWidget;

namespace zelmora::gui {

class RefusedCharacterNotice : public QObject {
    Q_OBJECT

public:
    explicit RefusedCharacterNotice(const Language& language, QObject* parent = nullptr);

    // Follows the refusals of a line edit with a Windows-1252 validator, or of the notes.
    void watch(QWidget* field);
    // `field` refused `characters`.
    void tell(QWidget* field, const QString& characters);
    // What the note says now; empty once the burst is over.
    QString shown() const;
    // What `field`'s description should say of its refusals: nothing outside its burst.
    QString descriptionOf(const QWidget* field) const { return field == m_field ? message() : QString(); }

signals:
    // A burst of `field` began or ended: its description changes.
    void burstChanged();

private:
    QString message() const;
    void showNote();
    void endBurst();

    const Language& m_language;
    QPointer<QWidget> m_field;
    QLabel* m_note = nullptr; // over the field's neighbours, on the field's parent
    QStringList m_characters; // refused during this burst
    QTimer m_burst;
};

} // namespace zelmora::gui

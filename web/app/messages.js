// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The desktop's message boxes as one modal dialog: a message at a time, in
// the order they were told, each answered before the next shows.

export class Messages {
  constructor(document) {
    this.dialog = document.getElementById('message-dialog');
    this.caption = document.getElementById('message-caption');
    this.text = document.getElementById('message-text');
    this.ok = document.getElementById('message-ok');
    this.yes = document.getElementById('message-yes');
    this.no = document.getElementById('message-no');
    this.chain = Promise.resolve();
    this.dialog.addEventListener('cancel', (event) => {
      // Escape answers as the dialog's safe button does: OK, or No.
      event.preventDefault();
      (this.no.hidden ? this.ok : this.no).click();
    });
  }

  show(kind, caption, text) {
    const shown = this.chain.then(() => new Promise((resolve) => {
      this.dialog.dataset.kind = kind;
      this.caption.textContent = caption;
      this.text.textContent = text;
      const question = kind === 'question';
      this.ok.hidden = question;
      this.yes.hidden = !question;
      this.no.hidden = !question;
      const answer = (value) => () => {
        for (const button of [this.ok, this.yes, this.no]) button.onclick = null;
        this.dialog.close();
        resolve(value);
      };
      this.ok.onclick = answer(true);
      this.yes.onclick = answer(true);
      this.no.onclick = answer(false);
      this.dialog.showModal();
      (question ? this.no : this.ok).focus();
    }));
    this.chain = shown.then(() => {}, () => {});
    return shown;
  }

  tell(kind, caption, text) {
    return this.show(kind, caption, text);
  }

  // Yes (true) or No (false).
  ask(caption, question) {
    return this.show('question', caption, question);
  }
}

;;; eglot_client_test.el --- Emacs' eglot driving morvane-check --lsp.  -*- lexical-binding: t -*-
;; Run: MORVANE_CHECK=path/to/morvane-check emacs --batch -l ert -l eglot_client_test.el \
;;        -f ert-run-tests-batch-and-exit
;; The Markdown sample and its misspelt words ("word line", lines from 1) are the ones
;; neovim_client_test.lua checks, so both clients are held to the same places. eglot counts
;; UTF-16 columns; Emacs' columns are characters, and the sample has an emoji before a word.
(require 'ert)
(require 'eglot)
(require 'python)

;; Emacs has no Markdown mode of its own, and eglot names the language after the mode.
(unless (fboundp 'markdown-mode)
  (define-derived-mode markdown-mode text-mode "Markdown"))
(add-to-list 'auto-mode-alist '("\\.md\\'" . markdown-mode))

(defconst morvane-eglot-data (expand-file-name "data" (file-name-directory load-file-name)))
(defconst morvane-eglot-folder (file-name-as-directory (make-temp-file "morvane-eglot" t)))
(add-hook 'kill-emacs-hook (lambda () (delete-directory morvane-eglot-folder t)))

;; The scratch folder is the project, so eglot asks for no root.
(add-hook 'project-find-functions
          (lambda (dir) (when (file-in-directory-p dir morvane-eglot-folder)
                          (cons 'transient morvane-eglot-folder))))
(let ((command (list (getenv "MORVANE_CHECK") "--lsp"
                     "-p" (expand-file-name "personal-words" morvane-eglot-folder))))
  (setq eglot-server-programs `((markdown-mode . ,command) (python-mode . ,command))))
(setq eglot-sync-connect t)

(defun morvane-eglot-open (name text)
  "Visit NAME holding TEXT in the scratch folder, managed by its own server."
  (let ((file (expand-file-name name morvane-eglot-folder)))
    (write-region text nil file nil 'silent)
    (find-file file)
    (call-interactively #'eglot)))

(defun morvane-eglot-place (word beg end &optional text)
  "\"WORD@LINE:START-END TEXT\" for WORD between BEG and END, columns from 0."
  (save-excursion
    (goto-char beg)
    (format "%s@%d:%d-%d %s" word (line-number-at-pos) (current-column)
            (+ (current-column) (- end beg)) (or text (format "morvane: Unknown word '%s'" word)))))

(defun morvane-eglot-shown ()
  "What flymake shows in the current buffer, each diagnostic as a place, in order."
  (sort (mapcar (lambda (d) (morvane-eglot-place
                             (buffer-substring-no-properties (flymake-diagnostic-beg d) (flymake-diagnostic-end d))
                             (flymake-diagnostic-beg d) (flymake-diagnostic-end d) (flymake-diagnostic-text d)))
                (flymake-diagnostics))
        #'string<))

(defun morvane-eglot-expected (words)
  "The places of WORDS, a list of (WORD LINE), each found on its line."
  (sort (mapcar (pcase-lambda (`(,word ,line))
                  (save-excursion
                    (goto-char (point-min))
                    (forward-line (1- line))
                    (search-forward word (line-end-position))
                    (morvane-eglot-place word (match-beginning 0) (match-end 0))))
                words)
        #'string<))

(defun morvane-eglot-wait-for (words)
  "Wait until flymake shows exactly WORDS, (WORD LINE) each, in the current buffer."
  (let ((want (morvane-eglot-expected words))
        (deadline (+ (float-time) 20)))
    (while (and (not (equal (morvane-eglot-shown) want)) (< (float-time) deadline))
      (accept-process-output nil 0.05))
    (unless (equal (morvane-eglot-shown) want)
      (ert-fail (list "waited 20 s for flymake to show" want "in" (buffer-name)
                      "it shows" (morvane-eglot-shown))))
    (message "%s: %s" (buffer-name) (string-join want " | "))))

(defun morvane-eglot-shutdown ()
  "Shut the current buffer's server down and check its process is gone."
  (let ((server (eglot-current-server)))
    (eglot-shutdown server nil 20)
    (should-not (jsonrpc-running-p server))))

(defun morvane-eglot-read (name)
  (with-temp-buffer
    (insert-file-contents (expand-file-name name morvane-eglot-data))
    (buffer-string)))

(ert-deftest morvane-eglot-shows-the-markdown-samples-words-and-applies-a-quick-fix ()
  (let ((misspelt (mapcar (lambda (pair) (pcase-let ((`(,word ,line) (split-string pair)))
                                           (list word (string-to-number line))))
                          (split-string (morvane-eglot-read "lsp-notes-misspelt.txt") "\n" t))))
    (morvane-eglot-open "notes.md" (morvane-eglot-read "lsp-notes.md"))
    (unwind-protect
        (progn
          (morvane-eglot-wait-for misspelt)
          ;; The first quick fix on the first word, applied as eglot applies an edit.
          (pcase-let* ((`(,word ,line) (car misspelt))
                       (before (progn (goto-char (point-min)) (forward-line (1- line))
                                      (thing-at-point 'line t)))
                       (beg (progn (search-forward word) (match-beginning 0)))
                       (fix (car (eglot-code-actions beg (+ beg (length word)) "quickfix")))
                       (replacement (and (string-match "\\`Replace with '\\(.*\\)'\\'" (plist-get fix :title))
                                         (match-string 1 (plist-get fix :title)))))
            (should replacement)
            (eglot--apply-workspace-edit (plist-get fix :edit))
            (should (equal (thing-at-point 'line t) (string-replace word replacement before)))
            ;; Emacs in batch is never idle, so eglot's idle timer would not send the change:
            ;; saving sends it first.
            (save-buffer)
            (morvane-eglot-wait-for (cdr misspelt))))
      (morvane-eglot-shutdown))))

(ert-deftest morvane-eglot-shows-a-python-files-words-only-in-its-comments-and-strings ()
  ;; A misspelt identifier is code; a camelCase run in a comment is checked part by part.
  (morvane-eglot-open "receiver.py" (concat "# Wait to recieve the data.\n"
                                            "# Then recieveData runs.\n"
                                            "def recieve_data(teh):\n"
                                            "    \"\"\"Return teh data.\"\"\"\n"
                                            "    return teh + \"a wrod\"\n"))
  (unwind-protect
      (morvane-eglot-wait-for '(("recieve" 1) ("recieve" 2) ("teh" 4) ("wrod" 5)))
    (morvane-eglot-shutdown)))

;;; eglot_client_test.el ends here

;;; emacs_client_test.el --- Emacs' own spelling client driving morvane-check.  -*- lexical-binding: t -*-
;; Run: MORVANE_CHECK=path/to/morvane-check emacs --batch -l ert -l emacs_client_test.el \
;;        -f ert-run-tests-batch-and-exit
;; The configuration is the one the README gives, plus a personal list in a fresh folder.
(require 'ert)
(require 'ispell)
(require 'flyspell)

(defvar morvane-test-folder (make-temp-file "morvane-emacs" t))
(setq ispell-program-name (getenv "MORVANE_CHECK"))
(setq ispell-dictionary-base-alist '((nil "[A-Za-z]" "[^A-Za-z]" "['-]" t nil nil utf-8)))
(setq ispell-personal-dictionary (expand-file-name "personal-words" morvane-test-folder))
(setq ispell-silently-savep t)
(setq flyspell-issue-message-flag nil)

(defconst morvane-test-misspelt '("teh" "recieve" "wrld"))

(defun morvane-test-text (filler)
  "A text with the misspelt words, a Greek word before one of them, and FILLER lines."
  (concat "Our λόγος said teh cat.\n"
          (apply #'concat (make-list filler "The cat and the dog sat on the mat in the sun.\n"))
          "We recieve the ball and the wrld turns.\n"))

(defun morvane-test-expected-spans ()
  "Where the misspelt words are in the current buffer."
  (let (spans)
    (dolist (word morvane-test-misspelt)
      (goto-char (point-min))
      (while (re-search-forward (concat "\\_<" word "\\_>") nil t)
        (push (cons (match-beginning 0) (match-end 0)) spans)))
    (sort spans (lambda (a b) (< (car a) (car b))))))

(defun morvane-test-marked-spans ()
  "Where flyspell marked words in the current buffer."
  (let (spans)
    (dolist (o (overlays-in (point-min) (point-max)))
      (when (flyspell-overlay-p o) (push (cons (overlay-start o) (overlay-end o)) spans)))
    (sort spans (lambda (a b) (< (car a) (car b))))))

(defun morvane-test-flyspell (filler)
  (with-temp-buffer
    (insert (morvane-test-text filler))
    (flyspell-mode 1)
    (flyspell-buffer)
    (list (buffer-size) (morvane-test-marked-spans) (morvane-test-expected-spans))))

(ert-deftest morvane-flyspell-short-text-word-by-word ()
  (pcase-let ((`(,size ,marked ,expected) (morvane-test-flyspell 2)))
    (should (< size flyspell-large-region))
    (should (= (length expected) 3))
    (should (equal marked expected))))

(ert-deftest morvane-flyspell-long-text-through-the-list-mode ()
  (pcase-let ((`(,size ,marked ,expected) (morvane-test-flyspell 30)))
    (should (> size flyspell-large-region))
    (should (equal marked expected))))

(ert-deftest morvane-ispell-buffer-stops-at-each-misspelt-word ()
  ;; Whole lines go through the pipe here, so the answers' offsets place the words.
  (let (stops)
    (cl-letf* ((loop (symbol-function 'ispell-command-loop))
               ((symbol-function 'ispell-command-loop)
                (lambda (miss guess word start end)
                  (push (cons (+ 0 start) (+ 0 end)) stops)
                  (setq unread-command-events (list ?\s))
                  (funcall loop miss guess word start end))))
      (switch-to-buffer (generate-new-buffer "ispell-buffer"))
      (insert (morvane-test-text 1))
      (ispell-buffer)
      (should (equal (nreverse stops) (morvane-test-expected-spans)))
      (kill-buffer))))

(defun morvane-test-ispell-word (word key)
  "Run `ispell-word' on WORD answering KEY.
Return nil when WORD was found, else a list holding the suggestions offered."
  (let (offered)
    (cl-letf* ((loop (symbol-function 'ispell-command-loop))
               ((symbol-function 'ispell-command-loop)
                (lambda (miss &rest rest)
                  (setq offered (list miss))
                  (setq unread-command-events (list key))
                  (apply loop miss rest))))
      (switch-to-buffer (generate-new-buffer "ispell-word"))
      (insert "The λόγος " word " here.")
      (search-backward word)
      (ispell-word)
      (kill-buffer))
    offered))

(ert-deftest morvane-ispell-word-offers-morvanes-suggestions-in-order ()
  (should (equal (morvane-test-ispell-word "recieve" ?\s) '(("receive" "recessive" "Recife")))))

(ert-deftest morvane-word-saved-to-the-personal-list-is-found-in-a-fresh-session ()
  (should (morvane-test-ispell-word "Zwobblefrump" ?i))
  ;; The save has no answer: wait for the file.
  (with-timeout (60 (error "Waited 60 s for %s to be saved" ispell-personal-dictionary))
    (while (not (file-exists-p ispell-personal-dictionary))
      (accept-process-output ispell-process 0.05)))
  (ispell-kill-ispell t)
  (should-not (morvane-test-ispell-word "Zwobblefrump" ?\s))
  (should-not (morvane-test-ispell-word "zwobblefrump" ?\s)))

;;; emacs_client_test.el ends here
